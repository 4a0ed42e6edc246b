#include "common/ui/formwidgets.h"

#include <QGridLayout>
#include <QHBoxLayout>

#include <QAction>
#include <QButtonGroup>
#include <QDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace fb::ui {

QGridLayout* NewGrid(QWidget* parent, int rowSpacing, bool flush) {
    auto* g = new QGridLayout(parent);
    if (flush) g->setContentsMargins(0, 0, 0, 0);
    g->setHorizontalSpacing(4);
    g->setVerticalSpacing(rowSpacing);
    return g;
}

void AddCaptionRow(QGridLayout* grid, int row, const QString& caption, const std::vector<QWidget*>& widgets,
                   QWidget* parent) {
    grid->addWidget(Caption(caption, parent), row, 0);
    auto* h = new QHBoxLayout;
    h->setSpacing(4);
    for (QWidget* w : widgets) h->addWidget(w);
    h->addStretch();
    grid->addLayout(h, row, 1);
}

QLineEdit* NewEdit(QWidget* parent, int id, int width) {
    auto* e = Named(new QLineEdit(parent), id);
    e->setFixedWidth(width);
    return e;
}

QLabel* Caption(const QString& text, QWidget* parent) { return new QLabel(text, parent); }

QLabel* Heading(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QLabel* NewResultLabel(QWidget* parent, int id, int minWidth) {
    auto* l = Named(new QLabel(parent), id);
    l->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    l->setMinimumWidth(minWidth);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

QButtonGroup* RadioPair(QObject* owner, QRadioButton* first, QRadioButton* second) {
    auto* g = new QButtonGroup(owner);
    g->addButton(first, 0);
    g->addButton(second, 1);
    return g;
}

QMenuBar* AddMenuBar(QDialog* form, std::initializer_list<ControlText> commands) {
    auto* menu = new QMenuBar(form);
    for (const ControlText& c : commands) menu->addAction(QString::fromUtf8(c.text))->setObjectName(ControlName(c.id));
    form->layout()->setMenuBar(menu);
    return menu;
}

void AddButtonRow(QDialog* form, std::initializer_list<ControlText> buttons, int defaultId) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (const ControlText& c : buttons) {
        auto* b = Named(new QPushButton(QString::fromUtf8(c.text), form), c.id);
        b->setMinimumWidth(100);
        b->setAutoDefault(c.id == defaultId);
        b->setDefault(c.id == defaultId);
        row->addWidget(b);
    }
    static_cast<QVBoxLayout*>(form->layout())->addLayout(row);
}

QVBoxLayout* LayOutAboveOk(QDialog* dialog, QWidget* content) {
    auto* ok = Named(new QPushButton(QStringLiteral("ОК"), dialog), 1);  // Cyrillic letters, as on the forms
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(content);
    layout->addLayout(buttons);
    return layout;
}

}  // namespace fb::ui
