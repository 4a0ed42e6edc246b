// Primary side: reflected voltage, supply kinds, turn matching, switch drop, operating points.
#include <gtest/gtest.h>

#include <cmath>

#include "common/data/numbers.h"
#include "tests/flyback/design/fixture.h"

namespace {

using fb::FlybackInput;
using fbtest::Bench;
namespace ctl = fb::ctl;

TEST(FlybackPrimary, DefaultDesignComputesAndRewritesItsInputs) {
    Bench b;
    const fb::FlybackOutcome o = b.Run(FlybackInput{});
    ASSERT_TRUE(o.computed);
    EXPECT_TRUE(o.messages.empty());
    // Every number field loses its comma; the clamper texts are not the design's.
    EXPECT_EQ(o.input.zazor, "0.25");
    EXPECT_EQ(o.input.I22, "0.02");
    EXPECT_EQ(o.input.Ud1, "0.8");
    EXPECT_EQ(o.input.TLs, "0,18");
    EXPECT_EQ(o.input.d11, "0.3");
    // Rds(on) mode writes the computed drop into the Unas field.
    EXPECT_EQ(o.input.Unas, fb::F3(0.5 * o.result.Ipk * (1 + o.result.Kc[0]) * 3));
    EXPECT_EQ(o.input.w1, o.results.at(ctl::kNp));
    EXPECT_EQ(o.input.w21, o.results.at(ctl::kTurnsBase));
    for (const auto& [id, text] : o.results) {
        EXPECT_EQ(text.find("nan"), std::string::npos) << id;
        EXPECT_EQ(text.find("inf"), std::string::npos) << id;
    }
}

TEST(FlybackPrimary, CommaAndPointReadTheSame) {
    Bench b;
    FlybackInput comma, point;
    comma.zazor = "0,3";
    point.zazor = "0.3";
    const fb::FlybackOutcome a = b.Run(comma), c = b.Run(point);
    EXPECT_EQ(a.results, c.results);
    EXPECT_EQ(a.input.zazor, "0.3");
}

TEST(FlybackPrimary, AutoReflectedVoltage) {
    Bench b;
    FlybackInput in;
    in.Auto = 1;
    in.Umin = "100";
    in.Umax = "374";
    in.Utrmax = "600";
    EXPECT_EQ(b.Run(in).input.Umirror, "90");  // 600 - 180 - 374 = 46 >= 0
    in.Utrmax = "500";
    EXPECT_EQ(b.Run(in).input.Umirror, "63");  // 0.5 * (500 - 374)
    // Without Auto the field stays as typed.
    in.Auto = 0;
    in.Umirror = "124,0";
    EXPECT_EQ(b.Run(in).input.Umirror, "124.0");
}

TEST(FlybackPrimary, MatchedTurnsStayJustBelowTheReflectedVoltage) {
    Bench b;
    for (const char* um : {"60", "100", "124", "200"}) {
        FlybackInput in;
        in.Umirror = um;
        const fb::FlybackOutcome o = b.Run(in);
        ASSERT_TRUE(o.computed) << um;
        const double Uref = 12 + 0.8, Umirror = fb::TextToDouble(um);
        EXPECT_EQ(o.result.Ur, o.result.Np / o.result.Ns[0] * Uref) << um;
        // The largest primary for this secondary whose reflected voltage stays below.
        EXPECT_LT(o.result.Ur, Umirror) << um;
        EXPECT_GE((o.result.Np + 1) / o.result.Ns[0] * Uref, Umirror) << um;
        EXPECT_EQ(o.results.at(ctl::kUr), fb::F1(o.result.Ur));
        EXPECT_EQ(o.results.at(ctl::kUovs), fb::F1(600 - o.result.Ur - 350));
    }
}

TEST(FlybackPrimary, AcSupplyWorksWithTheRectifiedVoltages) {
    Bench b;
    FlybackInput ac;
    ac.setevoe = 1;
    ac.Umin = "207";
    ac.Unom = "230";
    ac.Umax = "253";
    FlybackInput dc = ac;
    dc.setevoe = 0;
    dc.Umin = fbtest::Exact(207 * 1.35);
    dc.Unom = fbtest::Exact(230 * 1.35);
    dc.Umax = fbtest::Exact(253 * 1.35);
    const fb::FlybackOutcome a = b.Run(ac), d = b.Run(dc);
    ASSERT_TRUE(a.computed);
    EXPECT_EQ(a.results, d.results);
    EXPECT_EQ(a.tooltips, d.tooltips);
    // The texts stay as typed.
    EXPECT_EQ(a.input.Umin, "207");
    // The input ripple is 5 % of the rectified minimum, 13.9725 V.
    EXPECT_DOUBLE_EQ(a.result.Cin, a.result.Iin[0] * 4282 / 13.9725);
}

TEST(FlybackPrimary, SaturationVoltageOnlyEntersTheTurnChoice) {
    Bench b;
    FlybackInput in;
    in.rds = 0;
    in.Unas = "1";
    in.Iccm = "30";  // continuous at Umin, so the duty is Ur / (Umin + Ur)
    const fb::FlybackOutcome o = b.Run(in);
    ASSERT_TRUE(o.computed);
    ASSERT_GT(o.result.Kc[0], 0);
    EXPECT_EQ(o.results.at(ctl::kDutyMin), fb::F3(o.result.Ur / (200 + o.result.Ur)));
    EXPECT_EQ(o.input.Unas, "1");  // not rewritten in saturation-voltage mode
}

TEST(FlybackPrimary, DiscontinuousColumnsShowZeroContinuityAndTheShorterDuty) {
    Bench b;
    FlybackInput in;
    in.Iccm = "10";
    const fb::FlybackOutcome o = b.Run(in);
    ASSERT_TRUE(o.computed);
    // At Umin the design is continuous; at Umax the same inductance runs dry.
    EXPECT_GT(o.result.Kc[0], 0);
    EXPECT_EQ(o.result.Kc[2], 0);  // would be negative
    EXPECT_EQ(o.results.at(ctl::kKcMax), "0.00");
    const double ccmDuty = o.result.Ur / (350 + o.result.Ur);
    const double Wcyc = ((12 + 0.8) * 2 + (14 + 0.8) * 0.02) * 1000 / (100 * 0.9);
    const double dI = std::sqrt(2 * Wcyc / o.result.Lp);
    EXPECT_LT(o.result.D[2], ccmDuty);
    EXPECT_EQ(o.results.at(ctl::kDutyMax), fb::F3(dI * o.result.Lp * 100 / (350 * 1000)));
    EXPECT_EQ(o.results.at(ctl::kKcMin), fb::F2(o.result.Kc[0] * 100));
}

TEST(FlybackPrimary, InductanceUnitSwitchesAtExactly1000MicroHenry) {
    EXPECT_EQ(fb::InductanceText(1000).text, "1.000");
    EXPECT_EQ(fb::InductanceText(1000).unit, "мГн");
    EXPECT_EQ(fb::InductanceText(850).text, "850.000");
    EXPECT_EQ(fb::InductanceText(850).unit, "мкГн");
    // Just below 1000 stays in µH even where the rounding reaches 1000.
    EXPECT_EQ(fb::InductanceText(999.9996).text, "1000.000");
    EXPECT_EQ(fb::InductanceText(999.9996).unit, "мкГн");

    Bench b;
    FlybackInput small, large;
    large.Iccm = "30";  // 1539 µH
    const fb::FlybackOutcome s = b.Run(small), l = b.Run(large);
    ASSERT_LT(s.result.Lp, 1000);
    ASSERT_GE(l.result.Lp, 1000);
    EXPECT_EQ(s.labels.at(ctl::kLpUnit), "мкГн");
    EXPECT_EQ(s.results.at(ctl::kLp), fb::F3(s.result.Lp));
    EXPECT_EQ(l.labels.at(ctl::kLpUnit), "мГн");
    EXPECT_EQ(l.results.at(ctl::kLp), fb::F3(l.result.Lp / 1000));
    EXPECT_EQ(s.tooltips.at(ctl::kLp),
              "Индуктивность первичной обмотки должна быть не более " + fb::F3(s.result.LpMax / 1000) + " мГн");
}

}  // namespace
