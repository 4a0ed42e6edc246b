// The string walk of the Boostcoil program: its windows and the schematic in both languages.
#include <QAction>
#include <QDialog>

#include "support/languagewalk.h"
#include "support/modal.h"
#include "tests/boostcoil/ui/bcuitest.h"

namespace bctest {
namespace {

using LanguageWalkTest = WindowTest;

void ExpectSchematicIn(QWidget& window, bool english) {
    QString left = "not opened";
    fbtest::WhenModal(&window, [&](QDialog& d) {
        left = fbtest::Foreign(d, english);
        d.reject();
    });
    window.findChild<QAction*>("id32772")->trigger();
    EXPECT_EQ(left.toStdString(), "");
}

TEST_F(LanguageWalkTest, EnglishLeavesNoCyrillic) {
    fbtest::EnglishScope scope(QStringLiteral(FB_QM_FOLDER));
    ASSERT_TRUE(scope.loaded);
    ASSERT_TRUE(start());
    fbtest::ExpectDesignWindowsIn(*window, true);
    ExpectSchematicIn(*window, true);
}

TEST_F(LanguageWalkTest, RussianShowsNoEnglishCaption) {
    ASSERT_TRUE(start());
    fbtest::ExpectDesignWindowsIn(*window, false);
    ExpectSchematicIn(*window, false);
}

}  // namespace
}  // namespace bctest
