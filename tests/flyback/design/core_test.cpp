// Core operating point: the correction loop in both modes, the gap-from-AL rule, warnings.
#include <gtest/gtest.h>

#include <cmath>

#include "common/data/numbers.h"
#include "flyback/design/fields.h"
#include "support/inputtexts.h"
#include "tests/flyback/design/fixture.h"

namespace {

using fb::FlybackInput;
using fbtest::Bench;
namespace ctl = fb::ctl;

TEST(FlybackCore, UngappedCoreIsCorrectedAndTheMessageNamesTheFieldText) {
    Bench b;
    FlybackInput in;
    in.zazor = "0";
    const fb::FlybackOutcome o = b.Run(in);
    ASSERT_TRUE(o.computed);
    EXPECT_TRUE(o.result.corrected);
    EXPECT_GE(o.result.passes, 2);
    EXPECT_GT(fb::TextToDouble(o.input.zazor), 0);
    // The field holds "%.3f" of a requirement plus 0.0005, and the last pass met it.
    EXPECT_EQ(o.input.zazor, fb::F3(fb::TextToDouble(o.input.zazor)));
    EXPECT_LE(o.result.gapReq, fb::TextToDouble(o.input.zazor));
    EXPECT_EQ(o.results.at(ctl::kRequired), fb::F3(o.result.gapReq + 0.0005));
    ASSERT_FALSE(o.messages.empty());
    EXPECT_EQ(o.messages.front(),
              fb::Warning("Заданная величина зазор оказалась недостаточной.\nЗазор был увеличен до " + o.input.zazor +
                          " мм"));
}

TEST(FlybackCore, UngappedCoreUsesTheMaterialPermeability) {
    // Enough turns that the ungapped AL already meets the requirement: one pass, no gap.
    Bench b;
    FlybackInput in;
    fbtest::SetTexts(in, fb::FlybackFields(),
                     {{"zazor", "0"}, {"Umirror", "30"}, {"U21", "5"}, {"Ud1", "0.5"}, {"I21", "0.1"}, {"U22", ""}});
    const fb::FlybackOutcome o = b.Run(in);
    ASSERT_TRUE(o.computed);
    EXPECT_FALSE(o.result.corrected);
    EXPECT_EQ(o.result.passes, 1);
    const double AL = 2200 * 1.2566370614359172 * 52.5 / 57.5;  // material mu, not the core's 1500
    EXPECT_EQ(o.results.at(ctl::kAL), fb::F1(AL / 1000 * 1000));
    EXPECT_EQ(o.results.at(ctl::kRequired), "0.001");  // no gap needed, plus the half step
    EXPECT_EQ(o.input.zazor, "0");
    EXPECT_TRUE(o.messages.empty());
    EXPECT_EQ(fb::GapForAL(AL, 1, b.core, b.material), 0);
}

TEST(FlybackCore, AlModeLowersTooLargeAnAl) {
    Bench b;
    FlybackInput in;
    in.yes_al = 1;
    in.zazor = "2000";
    const fb::FlybackOutcome o = b.Run(in);
    ASSERT_TRUE(o.computed);
    EXPECT_TRUE(o.result.corrected);
    const double entered = fb::TextToDouble(o.input.zazor);
    EXPECT_LT(entered, 2000);
    EXPECT_EQ(o.input.zazor, fb::F0(entered));  // "%.0f" of ALreq·1000 − 0.5
    EXPECT_GE(o.result.ALreq * 1000, entered);  // the last pass met it
    EXPECT_EQ(o.results.at(ctl::kRequired), fb::F0(o.result.ALreq * 1000 - 0.5));
    EXPECT_EQ(o.labels.at(ctl::kRequiredCaption), "Требуемая величина AL, не более");
    EXPECT_EQ(o.labels.at(ctl::kRequiredUnit), "");
    ASSERT_FALSE(o.messages.empty());
    EXPECT_EQ(o.messages.front().text,
              "Заданная индуктивность сердечника оказалась велика.\nИндуктивность сердечника "
              "была уменьшена до " +
                  o.input.zazor + " нГн/виток2");
}

TEST(FlybackCore, AlBelowTheRequirementStaysAsEntered) {
    Bench b;
    FlybackInput in;
    in.yes_al = 1;
    in.zazor = "150,0";
    const fb::FlybackOutcome o = b.Run(in);
    ASSERT_TRUE(o.computed);
    EXPECT_FALSE(o.result.corrected);
    EXPECT_EQ(o.result.passes, 1);
    EXPECT_EQ(o.input.zazor, "150.0");
    EXPECT_GT(o.result.ALreq * 1000, 150);
    EXPECT_EQ(o.results.at(ctl::kRequired), fb::F0(o.result.ALreq * 1000 - 0.5));
    EXPECT_EQ(o.results.at(ctl::kAL), "150.0");
    EXPECT_EQ(o.results.at(ctl::kMue), fb::F1(57.5 / (52.5 * 1.2566370614359172 / (0.15 * 1000))));
}

TEST(FlybackCore, PowerLawCoreUsesTheLawBothWays) {
    Bench b;
    b.core.k1 = 50;
    b.core.k2 = -0.7;
    FlybackInput in;
    in.zazor = "0.4";
    const fb::FlybackOutcome o = b.Run(in);
    ASSERT_TRUE(o.computed);
    EXPECT_EQ(o.results.at(ctl::kAL), fb::F1(50 * std::pow(0.4, -0.7) / 1000 * 1000));
    EXPECT_DOUBLE_EQ(o.result.gapReq, std::pow(o.result.ALreq * 1000 / 50, 1 / -0.7));
    // The fringing factor plays no part.
    EXPECT_EQ(fb::GapForAL(120, 1, b.core, b.material), fb::GapForAL(120, 7, b.core, b.material));
    EXPECT_DOUBLE_EQ(fb::GapForAL(120, 1, b.core, b.material), std::pow(120.0 / 50, 1 / -0.7));
}

TEST(FlybackCore, GapForAlInvertsTheFringingFormula) {
    Bench b;
    const double Ae = 52.5, le = 57.5, mumat = 2200, mu0 = 1.2566370614359172;
    const double g0 = le / 1500 - le / mumat;
    for (double gap : {0.1, 0.25, 0.5, 1.0}) {
        const double Ffr = 1 + (gap / std::sqrt(Ae)) * std::log(le / (3 * gap));
        const double u = (g0 + gap) / Ffr;
        const double AL = Ae * mu0 / (u + (le - u) / mumat);
        // The rule subtracts the residual gap before scaling by the fringing factor, so it
        // is close to, not exactly, the inverse.
        EXPECT_NEAR(fb::GapForAL(AL, 1, b.core, b.material), gap, gap * 1e-2) << gap;
    }
    EXPECT_EQ(fb::ZazorTextForAL(0, b.core, b.material), "0.001");  // no AL: ungapped, plus the half step
    EXPECT_EQ(fb::GapForAL(-5, 1, b.core, b.material), 0);
}

TEST(FlybackCore, WarningThresholds) {
    EXPECT_FALSE(fb::FluxWarning(0.3, 0.3004));
    EXPECT_TRUE(fb::FluxWarning(0.3, 0.3006));
    EXPECT_FALSE(fb::WindowWarning(0.3));
    EXPECT_TRUE(fb::WindowWarning(0.30000000000000004));
}

TEST(FlybackCore, WarningsComeInOrderAfterTheCorrection) {
    // A small core and a heavy load overrun both the flux and the window.
    Bench b;
    b.core.Ae = 12;
    b.core.An = 10;
    b.core.le = 30;
    b.core.Ve = 0.36;
    FlybackInput in;
    in.zazor = "0";
    in.I21 = "8";
    in.Umirror = "60";
    const fb::FlybackOutcome o = b.Run(in);
    ASSERT_TRUE(o.computed);
    ASSERT_GT(o.result.Kfill, 0.3);
    std::vector<std::string> firstLines;
    for (const fb::Message& m : o.messages) {
        EXPECT_EQ(m.caption, "Внимание!");
        firstLines.push_back(m.text.substr(0, m.text.find('\n')));
    }
    std::vector<std::string> expected = {"Заданная величина зазор оказалась недостаточной."};
    if (fb::FluxWarning(o.result.Blim, o.result.Bpk))
        expected.push_back("Амплитуда индукции получилась больше допустимой.");
    expected.push_back("Коэффициент заполнения окна больше 0,3.");
    // Wire notices, if any, come first.
    ASSERT_GE(firstLines.size(), expected.size());
    firstLines.erase(firstLines.begin(), firstLines.end() - static_cast<long>(expected.size()));
    EXPECT_EQ(firstLines, expected);
    EXPECT_EQ(o.messages.back().text,
              "Коэффициент заполнения окна больше 0,3.\nПросчитайте размещаемость обмотки или "
              "выберите сердечник большего размера.");
}

TEST(FlybackCore, FluxWarningWhenTheSaturationVoltageLowersTheMinimumTurns) {
    // The entered saturation voltage lowers the minimum turns, but the operating point at
    // Umin is computed without it: the flux comes out above the permitted one.
    Bench b;
    FlybackInput in;
    in.rds = 0;
    in.Unas = "100";
    in.Iccm = "50";
    const fb::FlybackOutcome o = b.Run(in);
    ASSERT_TRUE(o.computed);
    ASSERT_TRUE(fb::FluxWarning(o.result.Blim, o.result.Bpk));
    ASSERT_EQ(o.messages.size(), 1u);
    EXPECT_EQ(o.messages[0], fb::Warning("Амплитуда индукции получилась больше допустимой.\nВыберите большее значение "
                                         "зазора или выберите сердечник большего размера."));
    EXPECT_EQ(o.results.at(ctl::kBlim), "(не более " + fb::F3(o.result.Blim) + " T)");
    EXPECT_EQ(o.results.at(ctl::kBpk), fb::F3(o.result.Bpk));
    EXPECT_EQ(o.tooltips.at(ctl::kBpk), "Амплитуда переменной составляющей индукции " + fb::F3(o.result.dB) + " T");
}

}  // namespace
