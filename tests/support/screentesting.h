#pragma once
// Checks both main windows share: the window fits the available area of its screen with every
// control reachable, F1 opens the help, and the English interface shows no Cyrillic caption.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <QTranslator>

#include "common/ui/language.h"
#include "modal.h"

namespace fbtest {

// Shows the window (hidden again at the end); it lies within the available area, and each
// visible control lies within it, after scrolling the form to it when it sits in the form's
// scroll area.
inline void ExpectFitsItsScreen(QWidget& window, int minControls = 6) {
    window.show();
    QApplication::processEvents();
    const QRect area = window.screen()->availableGeometry();
    EXPECT_TRUE(area.contains(window.frameGeometry()))
        << "window " << window.frameGeometry().width() << "x" << window.frameGeometry().height() << " on "
        << area.width() << "x" << area.height();
    auto* scroll = window.findChild<QScrollArea*>(QStringLiteral("formScroll"));
    int checked = 0;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisible() ||
            !(qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)))
            continue;
        QRect bounds = window.rect();
        if (scroll && scroll->isAncestorOf(w)) {
            // (ensureWidgetVisible would only bring an edit's cursor into view)
            const QRect inForm(w->mapTo(scroll->widget(), QPoint(0, 0)), w->size());
            scroll->ensureVisible(inForm.center().x(), inForm.center().y(), w->width() / 2 + 1, w->height() / 2 + 1);
            QApplication::processEvents();
            const QWidget* view = scroll->viewport();
            bounds = QRect(view->mapTo(&window, QPoint(0, 0)), view->size());
        }
        const QRect rect(w->mapTo(&window, QPoint(0, 0)), w->size());
        EXPECT_TRUE(bounds.contains(rect))
            << w->objectName().toStdString() << " " << w->metaObject()->className() << " at " << rect.x() << ","
            << rect.y() << " " << rect.width() << "x" << rect.height() << " unreachable";
        ++checked;
    }
    EXPECT_GE(checked, minControls);
    window.hide();
}

// The fixed captions of the window: its title, group titles, buttons, menus and the labels
// that carry no control ID (those with one show results and change with the design).
inline QStringList FixedCaptions(const QWidget& window) {
    QStringList texts{window.windowTitle()};
    for (auto* w : window.findChildren<QLabel*>())
        if (w->objectName().isEmpty()) texts << w->text();
    for (auto* w : window.findChildren<QAbstractButton*>()) texts << w->text();
    for (auto* w : window.findChildren<QGroupBox*>()) texts << w->title();
    for (auto* m : window.findChildren<QMenuBar*>())
        for (QAction* a : m->actions()) texts << a->text();
    for (auto* m : window.findChildren<QMenu*>())
        for (QAction* a : m->actions())
            if (!a->objectName().startsWith(QLatin1String("language_"))) texts << a->text();  // each in its own
    return texts;
}

inline QStringList CyrillicOf(const QStringList& texts) {
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    QStringList found;
    for (const QString& t : texts)
        if (t.contains(cyrillic)) found << t;
    return found;
}

// English for the life of the object: the programs' and Qt's translations installed from
// `qmFolder`, then taken out again with the language set back to Russian.
class EnglishScope {
public:
    explicit EnglishScope(const QString& qmFolder) {
        const auto before = qApp->findChildren<QTranslator*>();
        loaded = fb::ui::InstallTranslations(*qApp, fb::ui::Language::English, qmFolder);
        for (QTranslator* t : qApp->findChildren<QTranslator*>())
            if (!before.contains(t)) m_added << t;
    }
    ~EnglishScope() {
        for (QTranslator* t : m_added) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
        delete qApp->findChild<QObject*>(QStringLiteral("fbWindowTranslator"));
        fb::ui::SetInterfaceLanguage(fb::ui::Language::Russian);
    }
    bool loaded = false;

private:
    QList<QTranslator*> m_added;
};

// The named controls Tab reaches from `from` on, `count` of them (disabled and hidden ones and
// the inner parts of compound widgets left out).
inline std::string TabChain(QWidget* from, int count) {
    QStringList order;
    QWidget* w = from;
    for (int guard = 0; w && order.size() < count && guard < 1000; ++guard, w = w->nextInFocusChain()) {
        const QString name = w->objectName();
        const bool part = w->parentWidget() && (w->parentWidget()->focusPolicy() & Qt::TabFocus);
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisible() && !name.isEmpty() && !part &&
            (order.isEmpty() || order.last() != name))
            order << name;
    }
    return order.join(QLatin1Char(' ')).toStdString();
}

// F1 on the shown and active main window opens the help ("Помощь"), which fits its screen.
inline void ExpectF1OpensTheHelp(QWidget& window) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QString title;
    WhenModal(&window, [&](QDialog& help) {
        title = help.windowTitle();
        ExpectFitsItsScreen(help, 1);  // hiding it ends its exec()
    });
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_EQ(title, "Помощь");
}

}  // namespace fbtest
