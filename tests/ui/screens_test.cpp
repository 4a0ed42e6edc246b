// The flyback window on every screen and in both languages, its F1 and its preferences file.
// The *Screens* tests run again on a 1366x768 screen and on 1920x1080 at scale 1.5 and 2.
#include <QAction>
#include <QDialog>
#include <QFile>
#include <QScreen>
#include <QTest>

#include "common/files/preferences.h"
#include "common/report/designtools.h"
#include "common/report/plotswindow.h"
#include "common/ui/adviserwindow.h"
#include "common/ui/helpwindow.h"
#include "common/ui/losswindow.h"
#include "common/ui/windowmain.h"
#include "support/modal.h"
#include "support/screentesting.h"
#include "tests/ui/uitest.h"

namespace fbtest {
namespace {

using ScreensTest = WindowTest;

TEST_F(ScreensTest, FitsTheScreenWithEveryControlReachable) {
    ASSERT_TRUE(start());
    ExpectFitsItsScreen(*window);
}

TEST_F(ScreensTest, ClamperWindowFitsTheScreen) {
    ASSERT_TRUE(start());
    window->show();
    bool opened = false;
    WhenModal(window.get(), [&](QDialog& clamper) {
        opened = true;
        ExpectFitsItsScreen(clamper);  // hiding it ends its exec()
    });
    window->findChild<QAction*>("id8")->trigger();
    EXPECT_TRUE(opened);
}

TEST_F(ScreensTest, EnglishCaptionsHaveNoCyrillic) {
    EnglishScope english(QStringLiteral(FB_QM_FOLDER));
    ASSERT_TRUE(english.loaded);  // the programs' .qm and Qt's English texts
    ASSERT_TRUE(start());
    window->show();
    EXPECT_EQ(CyrillicOf(FixedCaptions(*window)).join("\n").toStdString(), "");
    EXPECT_EQ(window->findChild<QAction*>("id8")->text(), "RCD clamper");
    // What the program reads back from its labels (here the unit handed to the clamper) stays.
    EXPECT_EQ(Ctl<QLabel>(window.get(), 1144)->text(), "µH");
    EXPECT_EQ(window->controlText(1144), "мкГн");
    EXPECT_EQ(Ctl<QWidget>(window.get(), 1077)->toolTip(), "This switch is for MOSFETs.");
    click(1075);  // AL: the caption the switch sets follows the language too
    EXPECT_EQ(Ctl<QLabel>(window.get(), 1240)->text(), "Required AL, at most");
    ExpectFitsItsScreen(*window);
    // Every other window follows as it is shown.
    for (const char* command : {"id57664", "id8"}) {
        QString left = "not opened";
        WhenModal(window.get(), [&](QDialog& d) {
            left = CyrillicOf(FixedCaptions(d)).join("\n");
            d.reject();
        });
        window->findChild<QAction*>(command)->trigger();
        EXPECT_EQ(left.toStdString(), "") << command;
    }
    // The English help beside the Russian one.
    data.write("Flyback/ReadMe.en.txt", "English help\r\n");
    fb::ui::CHelpDlg help(fb::ui::HelpConfig::Flyback());
    ASSERT_TRUE(help.Load());
    EXPECT_EQ(help.text(), "English help\n");
    EXPECT_EQ(help.windowTitle(), "Help");
}

// Tab reads the inputs as drawn: the supply fields, then DC and AC, each field before the
// control beside it.
TEST_F(ScreensTest, TabFollowsTheSupplyRow) {
    ASSERT_TRUE(start());
    window->show();
    QWidget* w = Ctl<QWidget>(window.get(), 1045);  // the minimum supply voltage
    QStringList order;
    for (int i = 0; i < 12; ++i, w = w->nextInFocusChain()) {
        while (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled()) w = w->nextInFocusChain();
        order << w->objectName();
    }
    EXPECT_EQ(order.join(" ").toStdString(),
              "id1045 id1048 id1044 id1072 id1073 id1016 id1046 id1241 id1052 id1030 id1077 id1076");
}

// The loss, adviser and plots windows, bounded as the program bounds every window, fit the
// screen with every control reachable (the loss window's content scrolls where it must).
TEST_F(ScreensTest, AnalysisWindowsFitTheScreen) {
    ASSERT_TRUE(start());
    fb::ui::FitEveryWindow(qApp);
    window->show();
    window->ShowLossWindow();
    ExpectFitsItsScreen(*window->lossWindow());
    window->designTools()->OpenPlots();
    ExpectFitsItsScreen(*window->designTools()->plots(), 2);
    fb::CAdviserWindow adviser(window.get());
    adviser.ShowCandidates({});
    ExpectFitsItsScreen(adviser, 3);
    delete qApp->findChild<QObject*>("fbWindowFitter");
}

// The loss, adviser and plots windows: Tab reads each as it is drawn.
TEST_F(ScreensTest, TabFollowsReadingOrderInTheAnalysisWindows) {
    ASSERT_TRUE(start());
    window->show();
    window->ShowLossWindow();
    QWidget* loss = window->lossWindow();
    EXPECT_EQ(TabChain(loss->findChild<QWidget*>("optAmbient"), 7),
              "optAmbient optOrder optTape optTapeLayers optMargin optRiseLimit lossTable");
    fb::CAdviserWindow adviser;
    adviser.ShowCandidates({});
    adviser.show();
    EXPECT_EQ(TabChain(adviser.findChild<QWidget*>("shapeFilter"), 5),
              "shapeFilter materialFilter worksOnly candidates close");
    window->designTools()->OpenPlots();
    QWidget* plots = window->designTools()->plots();
    EXPECT_EQ(TabChain(plots->findChild<QWidget*>("plotTabs"), 3), "plotTabs exportPlot closePlots");
}

TEST_F(ScreensTest, F1OpensTheHelp) {
    ASSERT_TRUE(start());
    fbtest::ExpectF1OpensTheHelp(*window);
}

// The language and the position go into "Flyback.prefs"; the settings file stays as it was.
TEST_F(ScreensTest, PreferencesKeepLanguageAndPlaceApartFromSettings) {
    ASSERT_TRUE(start());
    window->setPreferencesName("Flyback");
    window->show();
    window->reject();  // writes the settings file
    const std::string settings = data.read("Flyback/Flyback.ini");
    window->findChild<QAction*>("language_en")->trigger();
    ASSERT_EQ(messages.entries().size(), 1u);
    EXPECT_EQ(messages.entries()[0].text, "The interface will be in English from the next start of the program.");
    window->move(40, 30);
    fb::ui::StorePlace(*window, window->preferencesPath());
    EXPECT_EQ(data.read("Flyback/Flyback.prefs"), "language=en\r\nx=40\r\ny=30\r\n");
    EXPECT_EQ(data.read("Flyback/Flyback.ini"), settings);
    EXPECT_EQ(fb::ui::ChosenLanguage("", QLocale(QLocale::German)), fb::ui::Language::English);
    EXPECT_EQ(fb::ui::ChosenLanguage("", QLocale::c()), fb::ui::Language::Russian);
    EXPECT_EQ(fb::ui::ChosenLanguage("ru", QLocale(QLocale::German)), fb::ui::Language::Russian);

    // A place on a screen that is gone comes back onto the one there is.
    fb::Preferences far;
    far.Set("x", 90000);
    far.Set("y", -5000);
    fb::ui::PlaceWindow(*window, far);
    const QRect area = window->screen()->availableGeometry();
    EXPECT_TRUE(area.contains(window->pos())) << window->pos().x() << "," << window->pos().y();
}

// F1 opens the help from the windows beside the main one too: the loss window and the clamper.
TEST_F(ScreensTest, F1OpensTheHelpFromTheOtherWindows) {
    ASSERT_TRUE(start());
    window->show();
    window->ShowLossWindow();
    ExpectF1OpensTheHelp(*window->lossWindow());
    QString title;
    WhenModal(window.get(), [&](QDialog& clamper) {
        WhenModal(&clamper, [&](QDialog& help) {
            title = help.windowTitle();
            help.reject();
        });
        QTest::keyClick(&clamper, Qt::Key_F1);
        clamper.reject();
    });
    window->findChild<QAction*>("id8")->trigger();
    EXPECT_EQ(title, "Помощь");
}

// A window beside the main one (the loss, adviser and plots windows, by their object names)
// opens where it was at the last exit, kept on the screen there is now.
TEST_F(ScreensTest, WindowsBesideComeBackWhereTheyWere) {
    ASSERT_TRUE(start());
    fb::ui::FitEveryWindow(qApp);
    window->setPreferencesName("Flyback");
    window->show();
    auto beside = [](QWidget* owner) {
        auto* w = new QDialog(owner);
        w->setObjectName("besideWindow");
        w->resize(200, 100);
        w->show();
        return w;
    };
    beside(window.get())->move(120, 60);
    fb::ui::StorePlace(*window, window->preferencesPath());
    delete qApp->findChild<QObject*>("fbWindowFitter");
    fb::Preferences prefs = fb::Preferences::Read(window->preferencesPath());
    EXPECT_EQ(prefs.Number("besideWindow.x"), 120);
    EXPECT_EQ(prefs.Number("besideWindow.y"), 60);
    for (int y : {60, 90000}) {
        prefs.Set("besideWindow.y", y);
        fb::ui::FitEveryWindow(qApp, &prefs);
        QWidget owner;
        const QWidget* w = beside(&owner);
        EXPECT_TRUE(w->screen()->availableGeometry().contains(w->frameGeometry())) << y;
        if (y == 60) {
            EXPECT_EQ(w->pos(), QPoint(120, 60));
        }
        delete qApp->findChild<QObject*>("fbWindowFitter");
    }
}

TEST(ScreensFit, AnyLargeWindowIsBoundedByTheScreen) {
    fb::ui::FitEveryWindow(qApp);
    QDialog big;
    big.resize(4000, 3000);
    big.move(-500, -500);
    big.show();
    EXPECT_TRUE(big.screen()->availableGeometry().contains(big.frameGeometry()));
    delete qApp->findChild<QObject*>("fbWindowFitter");
}

TEST(Preferences, GarbledLinesAndNumbersAreIgnored) {
    TempDir dir;
    dir.write("p.prefs", "x=12\r\ny=1e9\r\nnonsense\r\nlanguage = en \r\nz=7a\r\n");
    const fb::Preferences p = fb::Preferences::Read(dir.path() + "/p.prefs");
    EXPECT_EQ(p.Number("x"), 12);
    EXPECT_EQ(p.Number("y"), std::nullopt);
    EXPECT_EQ(p.Number("z"), std::nullopt);
    EXPECT_EQ(p.Text("language"), "en");
    EXPECT_EQ(fb::Preferences::Read(dir.path() + "/missing").Number("x"), std::nullopt);
}

}  // namespace
}  // namespace fbtest
