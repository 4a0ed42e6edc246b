// The Boostcoil window on every screen and in English, and its F1. The *Screens* tests run
// again on a 1366x768 screen and on 1920x1080 at scale 1.5 and 2.
#include <QAction>
#include <QTest>

#include "support/modal.h"
#include "support/screentesting.h"
#include "tests/boostcoil/ui/bcuitest.h"

namespace bctest {
namespace {

using ScreensTest = WindowTest;

TEST_F(ScreensTest, FitsTheScreenWithEveryControlReachable) {
    ASSERT_TRUE(start());
    fbtest::ExpectFitsItsScreen(*window);
}

TEST_F(ScreensTest, SchematicWindowFitsTheScreen) {
    ASSERT_TRUE(start());
    window->show();
    bool opened = false;
    fbtest::WhenModal(window.get(), [&](QDialog& schematic) {
        opened = true;
        fbtest::ExpectFitsItsScreen(schematic, 1);  // hiding it ends its exec()
    });
    window->findChild<QAction*>("id32772")->trigger();
    EXPECT_TRUE(opened);
}

TEST_F(ScreensTest, EnglishCaptionsHaveNoCyrillic) {
    fbtest::EnglishScope english(QStringLiteral(FB_QM_FOLDER));
    ASSERT_TRUE(english.loaded);
    ASSERT_TRUE(start());
    window->show();
    EXPECT_EQ(fbtest::CyrillicOf(fbtest::FixedCaptions(*window)).join("\n").toStdString(), "");
    fbtest::ExpectFitsItsScreen(*window);
}

TEST_F(ScreensTest, F1OpensTheHelp) {
    ASSERT_TRUE(start());
    fbtest::ExpectF1OpensTheHelp(*window);
}

}  // namespace
}  // namespace bctest
