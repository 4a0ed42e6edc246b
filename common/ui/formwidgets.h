#pragma once
// Building blocks of the forms: controls named after their IDs, captions and headings, the
// sunken result fields, the menu bar and the row of buttons under a main form, and the
// centred "ОК" button under the content of a small window.
#include <QString>
#include <initializer_list>
#include <vector>

#include "common/ui/formbinding.h"

class QButtonGroup;
class QGridLayout;
class QDialog;
class QLabel;
class QLineEdit;
class QMenuBar;
class QObject;
class QRadioButton;
class QVBoxLayout;

namespace fb::ui {

// Gives a control the object name of its ID ("id1055"), by which the program finds it.
template <class W>
W* Named(W* w, int id) {
    w->setObjectName(ControlName(id));
    return w;
}

QLineEdit* NewEdit(QWidget* parent, int id, int width);
// A grid of a form's group: 4 pixels between columns, `rowSpacing` between rows; `flush`
// drops its margins (a grid inside a group's inner widget).
QGridLayout* NewGrid(QWidget* parent, int rowSpacing, bool flush);
// A row of an input grid: the caption in column 0, the widgets side by side in column 1.
void AddCaptionRow(QGridLayout* grid, int row, const QString& caption, const std::vector<QWidget*>& widgets,
                   QWidget* parent);
QLabel* Caption(const QString& text, QWidget* parent);
QLabel* Heading(const QString& text, QWidget* parent);  // bold
// A read-only result: a sunken frame, the text at the right.
QLabel* NewResultLabel(QWidget* parent, int id, int minWidth);
// Two radios as one choice: flag 0 for `first`, 1 for `second`.
QButtonGroup* RadioPair(QObject* owner, QRadioButton* first, QRadioButton* second);

struct ControlText {
    int id;
    const char* text;  // UTF-8
};

// The menu bar of a form (its layout must exist): one action a command, left to right.
QMenuBar* AddMenuBar(QDialog* form, std::initializer_list<ControlText> commands);
// The buttons under a form whose layout is a QVBoxLayout, at the right, 100 pixels wide at
// least; `defaultId` is the one Enter presses.
void AddButtonRow(QDialog* form, std::initializer_list<ControlText> buttons, int defaultId);
// Lays `content` out above a centred "ОК" (ID 1, the default button) that accepts `dialog`.
QVBoxLayout* LayOutAboveOk(QDialog* dialog, QWidget* content);

}  // namespace fb::ui
