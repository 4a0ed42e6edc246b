#pragma once
// A window's input fields bound to its controls: the rows come from the program's catalogue of
// fields and drive form -> fields and fields -> form alike, so no direction can forget one.
#include <QAction>
#include <QSignalBlocker>
#include <QString>
#include <QWidget>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/files/fieldcatalogue.h"

namespace fb::ui {

// QLineEdit, QComboBox, QCheckBox, two QRadioButtons (see common/files/fieldcatalogue.h).
using FieldKind = fb::FieldKind;

// A control's object name is "id" followed by its control ID.
QString ControlName(int id);
QWidget* FindControl(const QWidget* form, int id);  // throws std::runtime_error when missing
// A control seen as the class its use needs: a missing control or one of another class is a
// fault of the form's layout, so it throws std::runtime_error naming the ID and the class.
[[noreturn]] void ThrowWrongControl(const QWidget* w, const char* className);
template <class W>
W* As(QWidget* w) {
    W* typed = qobject_cast<W*>(w);
    if (!typed) ThrowWrongControl(w, W::staticMetaObject.className());
    return typed;
}
template <class W>
W* ControlAs(const QWidget* form, int id) {
    return As<W>(FindControl(form, id));
}
// The menu command `id` under `owner`; throws when the menu lacks it, so no connection goes
// to nothing.
QAction* FindAction(const QObject* owner, int id);

template <class Input>
struct FieldDescriptor;

// The rows of a catalogue that have a control on the form.
template <class Input>
std::vector<FieldDescriptor<Input>> FormFieldsOf(const InputCatalogue<Input>& catalogue) {
    std::vector<FieldDescriptor<Input>> rows;
    for (const InputField<Input>& f : catalogue)
        if (f.id != 0) rows.push_back({f.key, f.id, f.kind, f.text, f.flag, f.id2, f.enabledWhen, f.numeric});
    return rows;
}

template <class Input>
struct FieldDescriptor {
    const char* key;  // the field's settings key (or its name when it is not stored)
    int id;           // control ID
    FieldKind kind;
    std::string Input::*text = nullptr;
    int Input::*flag = nullptr;
    int id2 = 0;                                  // the second radio button of a Radios field
    bool (*enabledWhen)(const Input&) = nullptr;  // nullptr: always enabled
    bool numeric = false;                         // an edit that takes only what a number can hold
};

// Lets an edit take only what a number can hold: digits, a sign, one decimal point or comma
// and an exponent, or nothing at all (an unused row). A typed text such as "19 [В]" or a
// pasted block of lines would hide every key after it when the design file is read back.
// Texts the program writes itself are not checked, so a design file's text is shown as it is.
void AcceptNumbersOnly(QWidget* edit);

namespace detail {
std::string ReadText(QWidget* w, FieldKind kind);
void WriteText(QWidget* w, FieldKind kind, const std::string& text);
int ReadFlag(QWidget* w, QWidget* w2, FieldKind kind);
void WriteFlag(QWidget* w, QWidget* w2, FieldKind kind, int value);
}  // namespace detail

template <class Input>
class FormBinding {
public:
    FormBinding() = default;
    // Resolves every row's control(s) in `form` by object name.
    FormBinding(const QWidget* form, std::vector<FieldDescriptor<Input>> table) {
        for (FieldDescriptor<Input>& d : table) {
            m_rows.push_back(
                {d, FindControl(form, d.id), d.kind == FieldKind::Radios ? FindControl(form, d.id2) : nullptr});
            if (d.numeric && d.kind == FieldKind::Edit) AcceptNumbersOnly(m_rows.back().w);
        }
    }

    void toFields(Input& in) const {
        for (const Row& r : m_rows) {
            if (r.d.text)
                in.*(r.d.text) = detail::ReadText(r.w, r.d.kind);
            else
                in.*(r.d.flag) = detail::ReadFlag(r.w, r.w2, r.d.kind);
        }
    }

    // Change notifications stay off while the program writes the texts, so the rules that
    // react to the user's typing never see them.
    void toForm(const Input& in) const {
        for (const Row& r : m_rows) {
            const QSignalBlocker block(r.w);
            const QSignalBlocker block2(r.w2);
            if (r.d.text)
                detail::WriteText(r.w, r.d.kind, in.*(r.d.text));
            else
                detail::WriteFlag(r.w, r.w2, r.d.kind, in.*(r.d.flag));
        }
    }

    // Every control with an "enabled when" rule enabled or disabled by it.
    void applyEnables(const Input& in) const {
        for (const Row& r : m_rows)
            if (r.d.enabledWhen) r.w->setEnabled(r.d.enabledWhen(in));
    }

    QWidget* widget(const char* key) const {
        for (const Row& r : m_rows)
            if (std::string(r.d.key) == key) return r.w;
        return nullptr;
    }
    std::vector<FieldDescriptor<Input>> descriptors() const {
        std::vector<FieldDescriptor<Input>> out;
        for (const Row& r : m_rows) out.push_back(r.d);
        return out;
    }

private:
    struct Row {
        FieldDescriptor<Input> d;
        QWidget* w;
        QWidget* w2;
    };
    std::vector<Row> m_rows;
};

}  // namespace fb::ui
