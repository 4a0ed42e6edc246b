// The string walk of the flyback program: every window in English without Cyrillic, and in
// Russian without the English captions.
#include <QAction>
#include <QDialog>

#include "common/ui/helpwindow.h"
#include "support/languagewalk.h"
#include "support/modal.h"
#include "tests/ui/uitest.h"

namespace fbtest {
namespace {

using LanguageWalkTest = WindowTest;

// The clamper (with its schematic) and the about box, each shown by its menu command, and the help.
void ExpectDialogsIn(QWidget& window, bool english) {
    for (const char* command : {"id57664", "id8"}) {
        QString left = "not opened";
        WhenModal(&window, [&](QDialog& d) {
            left = Foreign(d, english);
            d.reject();
        });
        window.findChild<QAction*>(command)->trigger();
        EXPECT_EQ(left.toStdString(), "") << command;
    }
    fb::ui::CHelpDlg help(fb::ui::HelpConfig::Flyback());
    help.show();
    EXPECT_EQ(Foreign(help, english).toStdString(), "") << "help";
}

TEST_F(LanguageWalkTest, EnglishLeavesNoCyrillic) {
    EnglishScope scope(QStringLiteral(FB_QM_FOLDER));
    ASSERT_TRUE(scope.loaded);
    ASSERT_TRUE(start());
    ExpectDesignWindowsIn(*window, true);
    ExpectDialogsIn(*window, true);
}

TEST_F(LanguageWalkTest, RussianShowsNoEnglishCaption) {
    ASSERT_TRUE(start());
    ExpectDesignWindowsIn(*window, false);
    ExpectDialogsIn(*window, false);
}

}  // namespace
}  // namespace fbtest
