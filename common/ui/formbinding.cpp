#include "common/ui/formbinding.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QValidator>

#include "common/data/corebase.h"

namespace fb::ui {

QString ControlName(int id) { return QStringLiteral("id%1").arg(id); }

QWidget* FindControl(const QWidget* form, int id) {
    QWidget* w = form->findChild<QWidget*>(ControlName(id));
    if (!w) throw std::runtime_error("no control with ID " + std::to_string(id));
    return w;
}

void ThrowWrongControl(const QWidget* w, const char* className) {
    throw std::runtime_error("control " + (w ? w->objectName().toStdString() : std::string("(none)")) + " is not a " +
                             className);
}

QAction* FindAction(const QObject* owner, int id) {
    QAction* a = owner->findChild<QAction*>(ControlName(id));
    if (!a) throw std::runtime_error("no menu command with ID " + std::to_string(id));
    return a;
}

namespace {

class NumberValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        // Spaces and line breaks around a pasted number are dropped; inside it they are refused.
        const QString trimmed = input.trimmed();
        if (trimmed != input) {
            int lead = 0;
            while (lead < input.size() && input[lead].isSpace()) ++lead;
            pos = qBound(0, pos - lead, static_cast<int>(trimmed.size()));
            input = trimmed;
        }
        static const QRegularExpression number(
            QStringLiteral("^(?:[+-]?(?:[0-9]+(?:[.,][0-9]*)?|[.,][0-9]+)(?:[eE][+-]?[0-9]+)?)?$"));
        const QRegularExpressionMatch m = number.match(input, 0, QRegularExpression::PartialPreferCompleteMatch);
        if (m.hasMatch()) return Acceptable;
        return m.hasPartialMatch() ? Intermediate : Invalid;
    }
};

}  // namespace

void AcceptNumbersOnly(QWidget* edit) {
    auto* e = As<QLineEdit>(edit);
    e->setValidator(new NumberValidator(e));
}

namespace detail {

std::string ReadText(QWidget* w, FieldKind kind) {
    if (kind == FieldKind::Edit) return As<QLineEdit>(w)->text().toStdString();
    return As<QComboBox>(w)->currentText().toStdString();
}

void WriteText(QWidget* w, FieldKind kind, const std::string& text) {
    const QString value = QString::fromStdString(text);
    if (kind == FieldKind::Edit) {
        auto* edit = As<QLineEdit>(w);
        if (edit->text() != value) edit->setText(value);  // keeps the cursor of unchanged fields
        return;
    }
    // A combo box shows the entry of that name, else the first entry that begins with the
    // text; an editable one shows the text itself when no entry does. The exact name comes
    // first so that an earlier, longer name ("EI 25x" before "EI 25") is never shown in place
    // of the core the design used.
    auto* combo = As<QComboBox>(w);
    std::vector<std::string> entries;
    for (int i = 0; i < combo->count(); ++i) entries.push_back(combo->itemText(i).toStdString());
    int found = combo->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (found < 0 && !text.empty()) found = FindEntryStartingWith(entries, text);
    if (found >= 0) {
        combo->setCurrentIndex(found);
        if (combo->isEditable()) combo->setEditText(combo->itemText(found));
    } else if (combo->isEditable()) {
        combo->setEditText(value);
    }
}

int ReadFlag(QWidget* w, QWidget* w2, FieldKind kind) {
    if (kind == FieldKind::Check) return As<QCheckBox>(w)->isChecked() ? 1 : 0;
    if (As<QRadioButton>(w2)->isChecked()) return 1;
    return As<QRadioButton>(w)->isChecked() ? 0 : -1;
}

void WriteFlag(QWidget* w, QWidget* w2, FieldKind kind, int value) {
    if (kind == FieldKind::Check) {
        As<QCheckBox>(w)->setChecked(value == 1);
        return;
    }
    // A flag other than 0 or 1 (a hand-edited file) leaves both buttons clear, which an
    // exclusive group allows only while its exclusivity is off.
    auto* first = As<QRadioButton>(w);
    auto* second = As<QRadioButton>(w2);
    QButtonGroup* group = first->group();
    const bool exclusive = group ? group->exclusive() : first->autoExclusive();
    if (group) group->setExclusive(false);
    first->setAutoExclusive(false);
    second->setAutoExclusive(false);
    first->setChecked(value == 0);
    second->setChecked(value == 1);
    if (group) {
        group->setExclusive(exclusive);
    } else {
        first->setAutoExclusive(exclusive);
        second->setAutoExclusive(exclusive);
    }
}

}  // namespace detail
}  // namespace fb::ui
