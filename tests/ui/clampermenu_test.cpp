// The clamper window opened from the flyback window's menu: what it is handed, the six texts
// it hands back, and that they reach the settings file with the next calculation.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "common/data/numbers.h"
#include "flyback/design/fields.h"
#include "flyback/ui/clamperdlg.h"
#include "flyback/ui/formfields.h"
#include "support/inputtexts.h"
#include "tests/support/modal.h"
#include "tests/ui/uitest.h"

namespace fbtest {
namespace {

class ClamperMenuTest : public WindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(start());
        messages.clear();
    }
    // Opens the clamper window from the menu, lets `act` work in it, and returns what it was handed.
    fb::ClamperInput openClamper(std::function<void(fb::CClamperDlg&)> act) {
        fb::ClamperInput handed;
        WhenModal(window.get(), [&](QDialog& d) {
            auto* clamper = qobject_cast<fb::CClamperDlg*>(&d);
            ASSERT_NE(clamper, nullptr);
            handed = clamper->input();
            act(*clamper);
        });
        QAction* menu = window->menuBar()->findChild<QAction*>(fb::ui::ControlName(fb::ctl::kClamperMenu));
        EXPECT_NE(menu, nullptr);
        if (menu) menu->trigger();
        return handed;
    }
    static void TypeIn(QDialog& d, int id, const QString& s) {
        auto* edit = Ctl<QLineEdit>(&d, id);
        edit->clear();
        QTest::keyClicks(edit, s);
    }
};

TEST_F(ClamperMenuTest, SixTextsComeBackAndAreStoredWithTheNextCalculation) {
    const int before = window->calculations();
    const fb::ClamperInput handed = openClamper([](fb::CClamperDlg& d) {
        TypeIn(d, 1038, "120");
        TypeIn(d, 1239, "25");
        TypeIn(d, 1014, "60");
        TypeIn(d, 1029, "12");
        TypeIn(d, 1031, "1.5");
        TypeIn(d, 1032, "0,2");
        static_cast<QAbstractButton*>(fb::ui::FindControl(&d, 1))->click();
        TypeIn(d, 1038, "300");  // never calculated: not handed back
        static_cast<QAbstractButton*>(fb::ui::FindControl(&d, 2))->click();
    });
    // Handed in: the shown results, the frequency field and the stored defaults.
    EXPECT_EQ(handed.Urefl, text(1122).toStdString());
    EXPECT_EQ(handed.L1, text(1102).toStdString());
    EXPECT_EQ(handed.L1unit, text(1144).toStdString());
    EXPECT_EQ(handed.Ipk, text(1093).toStdString());
    EXPECT_FALSE(handed.Urefl.empty());
    EXPECT_FALSE(handed.Ipk.empty());
    EXPECT_EQ(handed.Fconv, "100");
    EXPECT_EQ(handed.Uclamp, "100");
    EXPECT_EQ(handed.Ceq, "49");

    const fb::FlybackInput& in = window->input();
    fbtest::ExpectTexts(
        in, fb::FlybackFields(),
        {{"Uclamp", "120"}, {"Ures", "25"}, {"Ceq", "60"}, {"Ls", "12"}, {"TL1", "1.5"}, {"TLs", "0,2"}});
    EXPECT_EQ(window->calculations(), before);  // the window itself does not calculate
    EXPECT_EQ(data.read("Flyback/Flyback.ini").find("\r\nUclamp\t= 120\r\n"), std::string::npos);

    click(fb::ctl::kCalculate);
    const std::string ini = data.read("Flyback/Flyback.ini");
    for (const char* line : {"\r\nUclamp\t= 120\r\n", "\r\nUres\t= 25\r\n", "\r\nCeq\t= 60\r\n", "\r\nLs\t= 12\r\n",
                             "\r\nTL1\t= 1.5\r\n", "\r\nTLs\t= 0,2\r\n"})
        EXPECT_NE(ini.find(line), std::string::npos) << line;

    // The next opening starts from the texts handed back.
    const fb::ClamperInput again = openClamper([](fb::CClamperDlg& d) { static_cast<QWidget&>(d).close(); });
    EXPECT_EQ(again.Uclamp, "120");
    EXPECT_EQ(again.Ls, "12");
    EXPECT_TRUE(messages.entries().empty()) << messages.texts().join("|").toStdString();
}

// The build-up estimate is offered beside the ringing one and taken only on its button.
TEST_F(ClamperMenuTest, BuildUpLeakageIsOfferedAndTakenOnRequest) {
    const fb::LossAnalysis& a = window->LastAnalysis().losses;
    ASSERT_TRUE(a.hasLeakage);
    const std::string offered = fb::F2(a.leakage_uH);
    QString shown;
    openClamper([&](fb::CClamperDlg& d) {
        shown = d.findChild<QLabel*>("buildUpLs")->text();
        EXPECT_EQ(Ctl<QLineEdit>(&d, 1029)->text(), "17");  // the stored text until asked
        d.findChild<QPushButton*>("takeBuildUpLs")->click();
        static_cast<QAbstractButton*>(fb::ui::FindControl(&d, 2))->click();
    });
    EXPECT_EQ(shown.toStdString(), offered);
    EXPECT_EQ(window->input().Ls, offered);
}

}  // namespace
}  // namespace fbtest
