// The RCD clamper window: its opening calculations, the two modes, the transfer of the
// estimates, Enter, and the six texts it hands back however it closes.
#include <gtest/gtest.h>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <functional>
#include <memory>

#include "common/data/numbers.h"
#include "common/ui/formbinding.h"
#include "common/ui/messageseam.h"
#include "common/ui/tooltips.h"
#include "flyback/clamper/clamper.h"
#include "flyback/ui/clamperdlg.h"
#include "support/inputtexts.h"

namespace fbtest {
namespace {

using fb::CClamperDlg;

// The main window's stored defaults with a 110 V / 0.5 A / 1.01 mH / 100 kHz design.
fb::ClamperInput HandedIn() {
    fb::ClamperInput in;
    fbtest::SetTexts(in, fb::ClamperFields(),
                     {{"Urefl", "110"},
                      {"L1", "1.01"},
                      {"L1unit", "мГн"},
                      {"Ipk", "0.5"},
                      {"Fconv", "100"},
                      {"Uclamp", "100"},
                      {"Ures", "20"},
                      {"Ceq", "49"},
                      {"Ls", "17"},
                      {"TL1", "1.3"},
                      {"TLs", "0,18"}});
    return in;
}

class ClamperDlgTest : public ::testing::Test {
protected:
    void open(const fb::ClamperInput& in = HandedIn()) { dlg = std::make_unique<CClamperDlg>(in); }

    template <class W>
    W* ctl(int id) const {
        W* w = qobject_cast<W*>(fb::ui::FindControl(dlg.get(), id));
        if (!w) throw std::runtime_error("control " + std::to_string(id) + " has another type");
        return w;
    }
    // std::string, so a failure prints the text.
    std::string text(int id) const {
        QWidget* w = fb::ui::FindControl(dlg.get(), id);
        if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text().toStdString();
        return ctl<QLabel>(id)->text().toStdString();
    }
    void type(int id, const QString& s) const {
        auto* edit = ctl<QLineEdit>(id);
        edit->clear();
        QTest::keyClicks(edit, s);
    }
    void click(int id) const { ctl<QAbstractButton>(id)->click(); }

    std::unique_ptr<CClamperDlg> dlg;
};

TEST_F(ClamperDlgTest, OpeningShowsBothResultsAndFillsTheCapacitanceEdit) {
    fb::ClamperInput in = HandedIn();
    in.Cclamp = "99";  // none of these three survives into a new opening
    in.reverse = true;
    in.transfer = true;
    open(in);
    EXPECT_EQ(dlg->windowTitle().toStdString(), "Расчеты RCD клампера");
    EXPECT_TRUE(ctl<QRadioButton>(1081)->isChecked());
    EXPECT_FALSE(ctl<QCheckBox>(1001)->isChecked());
    EXPECT_TRUE(ctl<QLineEdit>(1038)->isEnabled());
    EXPECT_FALSE(ctl<QLineEdit>(1013)->isEnabled());
    EXPECT_EQ(text(1087), "Емкость конденсатора");
    EXPECT_EQ(text(1142), "нФ");
    // Ct = 17·0.5²/100² µF; the capacitor leaves the 49 pF of the drain out.
    EXPECT_EQ(text(1086), "0.376");
    EXPECT_EQ(text(1013), "0.376");
    EXPECT_EQ(text(1109), "141");
    EXPECT_EQ(text(1106), "0.153");
    EXPECT_EQ(text(1110), "36.4");
    EXPECT_EQ(text(1107), "0.680");
    EXPECT_EQ(text(1089), "FR107");
    // The estimate with L1 in millihenry: 1010 µH.
    EXPECT_EQ(text(1143), "мГн");
    EXPECT_EQ(text(1088), "42.38");
    EXPECT_EQ(text(1104), "19.36");
    // Without the transfer the estimate leaves the inputs alone; its reading of TLs shows the point.
    EXPECT_EQ(text(1014), "49");
    EXPECT_EQ(text(1029), "17");
    EXPECT_EQ(text(1032), "0.18");
}

// A zero frequency or current showed "inf" and "nan" in the window with no word of why; the
// window now gives the message the designs give, once per calculation that shows them.
TEST_F(ClamperDlgTest, ResultsThatAreNotFiniteComeWithTheDesignsMessage) {
    fb::ui::MessageRecorder messages;
    const fb::ui::ScopedMessageSeam seam(&messages);
    open();
    EXPECT_TRUE(messages.entries().empty());
    fb::ClamperInput in = HandedIn();
    in.Fconv = "0";
    open(in);
    ASSERT_EQ(messages.entries().size(), 1u);
    EXPECT_EQ(messages.entries()[0].caption.toStdString(), fb::NotFiniteWarning().caption);
    EXPECT_EQ(messages.entries()[0].text.toStdString(), fb::NotFiniteWarning().text);
    // Each result that reads so is marked as in the main windows; the others are not.
    int marked = 0;
    for (const auto& [id, shown] : fb::ClamperResultTexts(dlg->input(), dlg->result())) {
        EXPECT_EQ(ctl<QLabel>(id)->property("notFinite").toBool(), !fb::ResultValid(shown)) << id;
        marked += !fb::ResultValid(shown);
    }
    EXPECT_GE(marked, 1);
    type(fb::clamperid::Fconv, "100");
    ctl<QPushButton>(1)->click();
    EXPECT_EQ(messages.entries().size(), 1u);
    for (const auto& [id, shown] : fb::ClamperResultTexts(dlg->input(), dlg->result()))
        EXPECT_FALSE(ctl<QLabel>(id)->property("notFinite").toBool()) << id << " " << shown;
}

TEST_F(ClamperDlgTest, TooltipsHaveTheWindowLookAndOneTextPerControl) {
    open();
    fb::ui::TooltipControl* tips = dlg->tips();
    ASSERT_NE(tips, nullptr);
    EXPECT_EQ(tips->settings().maxWidth, 350);
    EXPECT_EQ(tips->settings().shownMs, 30000);
    EXPECT_EQ(tips->settings().initialMs, 100);
    EXPECT_EQ(tips->settings().reshowMs, 100);
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(255, 240, 160));
    for (int id : {1050, 1038, 1027, 1029, 1017, 1014, 1239, 1028, 1031, 1032, 1081, 1080})
        EXPECT_FALSE(tips->tip(fb::ui::FindControl(dlg.get(), id)).isEmpty()) << id;
    for (int id : {1013, 1001, 1086}) EXPECT_TRUE(tips->tip(fb::ui::FindControl(dlg.get(), id)).isEmpty()) << id;
    EXPECT_EQ(tips->tip(ctl<QWidget>(1014)),
              "Эквивалентная емкость стоковой цепи, получается в результате предварительных расчетов.\nПоскольку эта "
              "эквивалентная емкость стоковой цепи по переменному току включена параллельно емкости клампера, то она "
              "влияет на результат расчета.");
    EXPECT_EQ(tips->tip(ctl<QWidget>(1239)),
              "Остаток напряжения после окончания выброса, над отраженным напряжением.\nИзмеряется осциллографом в "
              "реальных условиях");
    EXPECT_EQ(tips->tip(ctl<QWidget>(1080)), "Обратный расчет амплитуды выброса по заданной емкости клампера.");
    EXPECT_EQ(ctl<QWidget>(1014)->toolTipDuration(), 30000);
}

TEST_F(ClamperDlgTest, ReverseModeKeepsTheCapacitanceAndGivesBackTheTypedOvershoot) {
    open();
    type(1038, "150");
    click(1);
    ASSERT_EQ(text(1013), "0.140");  // 0.13989 nF
    click(1080);
    EXPECT_FALSE(ctl<QLineEdit>(1038)->isEnabled());
    EXPECT_TRUE(ctl<QLineEdit>(1013)->isEnabled());
    EXPECT_EQ(text(1087), "Амплитуда выброса");
    EXPECT_EQ(text(1142), "В");
    EXPECT_EQ(text(1013), "0.140");
    EXPECT_EQ(text(1038), "150");
    // The capacitance text is good to ±0.0005 of 0.189 nF in all; the overshoot goes with its root.
    const double U = fb::TextToDouble(text(1086));
    EXPECT_NEAR(U, 150, 150 * 0.5 * 0.0005 / 0.189 + 0.05);
    EXPECT_NE(text(1086), "150");  // shown with one decimal, not the typed text

    // Only the drain capacitance left: U = 0.5·√(17/0.000049).
    type(1013, "0");
    click(1);
    EXPECT_EQ(text(1086), "294.5");
    EXPECT_EQ(text(1013), "0");  // reverse mode does not rewrite the capacitance

    // Back to direct: the typed overshoot rules again and refills the capacitance.
    click(1081);
    EXPECT_TRUE(ctl<QLineEdit>(1038)->isEnabled());
    EXPECT_EQ(text(1087), "Емкость конденсатора");
    EXPECT_EQ(text(1086), "0.140");
    EXPECT_EQ(text(1013), "0.140");
}

TEST_F(ClamperDlgTest, TransferSetCopiesTheEstimatesAndUnsetLeavesTheInputs) {
    open();
    type(1031, "2");
    click(4);
    EXPECT_EQ(text(1104), "8.18");  // 1010·0.18²/2²
    EXPECT_EQ(text(1014), "49");
    EXPECT_EQ(text(1029), "17");
    EXPECT_EQ(dlg->Ceq(), "49");

    type(1031, "1.3");
    click(1001);  // no action of its own
    EXPECT_EQ(text(1029), "17");
    click(4);
    EXPECT_EQ(text(1014), "42.38");
    EXPECT_EQ(text(1029), "19.36");
    EXPECT_EQ(dlg->Ceq(), "42.38");
    EXPECT_EQ(dlg->Ls(), "19.36");
    // The upper calculation then works with them: 19.36·0.25/10⁴ µF less 42.38 pF.
    click(1);
    EXPECT_EQ(text(1086), "0.442");

    click(1001);  // unset again: a new estimate changes only its own results
    type(1031, "2");
    click(4);
    EXPECT_EQ(text(1104), "8.18");
    EXPECT_EQ(text(1029), "19.36");
    EXPECT_EQ(dlg->Ls(), "19.36");
}

TEST_F(ClamperDlgTest, EnterRunsTheUpperCalculationAndDoesNotClose) {
    open();
    dlg->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
    type(1038, "150");
    QTest::keyClick(ctl<QLineEdit>(1038), Qt::Key_Return);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(text(1086), "0.140");
    EXPECT_EQ(dlg->Uclamp(), "150");

    // From the lower group too, Enter runs the upper calculation, not the estimate.
    type(1031, "2");
    type(1038, "200");
    ctl<QPushButton>(4)->setFocus();
    QTest::keyClick(ctl<QPushButton>(4), Qt::Key_Enter);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(text(1086), "0.057");  // 17·0.25/200²·1000 − 0.049 = 0.05725
    EXPECT_EQ(text(1104), "19.36");
    EXPECT_EQ(dlg->result().Diode, "FR107");
    dlg->hide();
}

TEST_F(ClamperDlgTest, OpeningAndClosingAtOnceHandsBackTheStoredTexts) {
    open();
    QTimer::singleShot(0, dlg.get(), [this] { click(2); });
    EXPECT_EQ(dlg->exec(), QDialog::Rejected);
    EXPECT_EQ(dlg->Uclamp(), "100");
    EXPECT_EQ(dlg->Ures(), "20");
    EXPECT_EQ(dlg->Ceq(), "49");
    EXPECT_EQ(dlg->Ls(), "17");
    EXPECT_EQ(dlg->TL1(), "1.3");
    EXPECT_EQ(dlg->TLs(), "0.18");  // as the opening estimate read it
}

// Each way of closing: the six texts of the last calculation come back; a value typed after
// it does not. A window that fails to close is closed by the guard with code 99.
struct CloseWay {
    const char* name;
    std::function<void(CClamperDlg&)> close;
};

class ClamperCloseTest : public ClamperDlgTest, public ::testing::WithParamInterface<CloseWay> {};

TEST_P(ClamperCloseTest, SixTextsComeBackAndATypedValueWithoutCalculationDoesNot) {
    open();
    QTimer::singleShot(0, dlg.get(), [this] {
        type(1038, "120");
        type(1239, "25,5");
        type(1014, "60");
        type(1029, "12");
        type(1031, "1.5");
        type(1032, "0,2");
        click(1);
        type(1038, "300");  // typed, never calculated
        type(1032, "0.9");
        click(1001);  // the check box exchanges nothing
        GetParam().close(*dlg);
    });
    QTimer::singleShot(5000, dlg.get(), [this] { dlg->done(99); });
    EXPECT_EQ(dlg->exec(), QDialog::Rejected);
    EXPECT_EQ(dlg->Uclamp(), "120");
    EXPECT_EQ(dlg->Ures(), "25.5");  // the calculation's reading leaves the point
    EXPECT_EQ(dlg->Ceq(), "60");
    EXPECT_EQ(dlg->Ls(), "12");
    EXPECT_EQ(dlg->TL1(), "1.5");
    EXPECT_EQ(dlg->TLs(), "0,2");  // read by the form step, not by the clamper calculation
}

INSTANTIATE_TEST_SUITE_P(AllWays, ClamperCloseTest,
                         ::testing::Values(CloseWay{"ExitButton",
                                                    [](CClamperDlg& d) {
                                                        static_cast<QPushButton*>(fb::ui::FindControl(&d, 2))->click();
                                                    }},
                                           // Esc reaches the window through the edit that has the focus.
                                           CloseWay{"Escape",
                                                    [](CClamperDlg& d) {
                                                        QWidget* focus = d.focusWidget();
                                                        QTest::keyClick(focus ? focus : &d, Qt::Key_Escape);
                                                    }},
                                           CloseWay{"CloseBox", [](CClamperDlg& d) { d.close(); }}),
                         [](const ::testing::TestParamInfo<CloseWay>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fbtest
