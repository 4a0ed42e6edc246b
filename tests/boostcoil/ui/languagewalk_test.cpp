// The string walk of the Boostcoil program: its windows and the schematic in both languages.
#include <QAction>
#include <QDialog>

#include "boostcoil/design/pfccatalogue.h"
#include "boostcoil/ui/pictures.h"
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
    fbtest::ExpectCommonDialogsIn(window, english, fb::ui::SavedFilesConfig::Boostcoil(),
                                  fb::ui::HelpConfig::Boostcoil(),
                                  fb::ui::AboutConfig::Of(fb::kBoostcoilProgram, fb::BoostcoilIcon()));
}

// A session's message boxes, a design stopped by a zero frequency among them.
void ExpectMessagesIn(const DataRoot& data, const fb::ui::MessageRecorder& messages, fb::CBoostcoilDlg& window,
                      bool english) {
    data.write("Boostcoil/walk.sav", "[INI_DATA]\r\n");
    Ctl<QLineEdit>(&window, fb::bcid::kFr)->setText("0");
    window.Calculate();
    fbtest::ExpectSessionMessagesIn(window, english, messages, fb::ui::SavedFilesConfig::Boostcoil(), "walk.sav");
}

TEST_F(LanguageWalkTest, EnglishLeavesNoCyrillic) {
    fbtest::EnglishScope scope(QStringLiteral(FB_QM_FOLDER));
    ASSERT_TRUE(scope.loaded);
    ASSERT_TRUE(start());
    fbtest::ExpectDesignWindowsIn(*window, true);
    ExpectSchematicIn(*window, true);
    ExpectMessagesIn(data, messages, *window, true);
}

TEST_F(LanguageWalkTest, RussianShowsNoEnglishCaption) {
    ASSERT_TRUE(start());
    fbtest::ExpectDesignWindowsIn(*window, false);
    ExpectSchematicIn(*window, false);
    ExpectMessagesIn(data, messages, *window, false);
}

}  // namespace
}  // namespace bctest
