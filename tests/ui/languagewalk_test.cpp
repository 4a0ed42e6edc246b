// The string walk of the flyback program: every window in English without Cyrillic, and in
// Russian without the English captions.
#include <QAction>
#include <QDialog>

#include "common/ui/helpwindow.h"
#include "flyback/ui/formfields.h"
#include "flyback/ui/pictures.h"
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
    ExpectCommonDialogsIn(window, english, fb::ui::SavedFilesConfig::Flyback(), fb::ui::HelpConfig::Flyback(),
                          fb::ui::AboutConfig::Of(fb::kFlybackProgram, fb::FlybackIcon()));
}

// A session's message boxes, a design stopped by a zero frequency among them.
void ExpectMessagesIn(const DataRoot& data, const fb::ui::MessageRecorder& messages, fb::CFlybackDlg& window,
                      bool english) {
    data.write("Flyback/walk.sav", "[INI_DATA]\r\n");
    Ctl<QLineEdit>(&window, fb::ctl::kFconv)->setText("0");
    window.Calculate();
    ExpectSessionMessagesIn(window, english, messages, fb::ui::SavedFilesConfig::Flyback(), "walk.sav");
}

TEST_F(LanguageWalkTest, EnglishLeavesNoCyrillic) {
    EnglishScope scope(QStringLiteral(FB_QM_FOLDER));
    ASSERT_TRUE(scope.loaded);
    ASSERT_TRUE(start());
    ExpectDesignWindowsIn(*window, true);
    ExpectDialogsIn(*window, true);
    ExpectMessagesIn(data, messages, *window, true);
}

TEST_F(LanguageWalkTest, RussianShowsNoEnglishCaption) {
    ASSERT_TRUE(start());
    ExpectDesignWindowsIn(*window, false);
    ExpectDialogsIn(*window, false);
    ExpectMessagesIn(data, messages, *window, false);
}

}  // namespace
}  // namespace fbtest
