// Windings: skin depth, secondary turns and voltages, absent secondaries, wire notices.
#include <gtest/gtest.h>

#include "common/data/numbers.h"
#include "flyback/design/fields.h"
#include "support/inputtexts.h"
#include "tests/flyback/design/fixture.h"

namespace {

using fb::FlybackInput;
using fbtest::Bench;
namespace ctl = fb::ctl;

TEST(FlybackWindings, SkinDepthTooltipAt100kHz) {
    Bench b;
    const fb::FlybackOutcome o = b.Run(FlybackInput{});
    EXPECT_DOUBLE_EQ(o.result.delta, 0.20871);
    EXPECT_EQ(o.tooltips.at(ctl::kPrimaryWire), "Диаметр провода по скин-эффекту  0.417 мм");
    EXPECT_EQ(o.tooltips.at(ctl::kWireBase), "Диаметр провода по скин-эффекту  0.417 мм");
}

TEST(FlybackWindings, SecondTurnsRoundUpFromTheReference) {
    Bench b;
    FlybackInput in;
    fbtest::SetTexts(in, fb::FlybackFields(), {{"Ud1", "0.7"}, {"U22", "5"}, {"Ud2", "0.5"}, {"I22", "0.5"}});
    in.Umirror = "200";  // gives four turns on secondary 1
    const fb::FlybackOutcome o = b.Run(in);
    ASSERT_TRUE(o.computed);
    ASSERT_EQ(o.result.Ns[0], 4);
    EXPECT_EQ(o.result.Ns[1], 2);  // 5.5 / 12.7 * 4 = 1.73 -> 2
    EXPECT_EQ(o.results.at(ctl::kTurnsBase + 1), "2");
    EXPECT_EQ(o.input.w22, "2");
    EXPECT_EQ(o.results.at(ctl::kUoutBase + 1), "5.85 В");  // 12.7 * 2 / 4 - 0.5
    EXPECT_EQ(o.results.at(ctl::kUoutBase), "12.00 В");     // the entered value exactly
    EXPECT_EQ(o.results.at(ctl::kUdrevBase + 1), fb::F0(350 * 2 / o.result.Np + o.result.Uout[1]) + " В");
}

TEST(FlybackWindings, OutputVoltageFrom1000VoltsHasOneDecimal) {
    Bench b;
    FlybackInput in;
    in.U22 = "1500";
    in.I22 = "0.001";
    const fb::FlybackOutcome o = b.Run(in);
    ASSERT_TRUE(o.computed);
    EXPECT_EQ(o.results.at(ctl::kUoutBase + 1), fb::F1(o.result.Uout[1]) + " В");
    EXPECT_GE(o.result.Uout[1], 1000);
}

TEST(FlybackWindings, AbsentSecondariesStayBlankWithPlainTips) {
    Bench b;
    FlybackInput in;
    in.U22 = "0";
    in.U21 = "0";  // secondary 1 still serves as the turns reference
    fbtest::SetTexts(in, fb::FlybackFields(), {{"Ud1", "12.8"}, {"U23", "24"}, {"I23", "1"}, {"Ud3", "1"}});
    const fb::FlybackOutcome o = b.Run(in);
    ASSERT_TRUE(o.computed);
    for (int i : {0, 1, 3, 4}) {
        for (int base :
             {ctl::kTurnsBase, ctl::kWireBase, ctl::kJBase, ctl::kUoutBase, ctl::kUdrevBase, ctl::kIcrmsBase})
            EXPECT_EQ(o.results.at(base + i), "") << base + i;
        EXPECT_EQ(o.tooltips.at(ctl::kJBase + i), "Действующий ток");
    }
    EXPECT_EQ(o.input.w21, "");
    EXPECT_EQ(o.input.n22, "");
    EXPECT_EQ(o.results.at(ctl::kTurnsBase + 2), fb::F0(fb::TextToDouble(o.input.w23)));
    EXPECT_EQ(o.results.at(ctl::kUoutBase + 2), fb::F2(12.8 * o.result.Ns[2] / o.result.Ns[0] - 1) + " В");
    EXPECT_EQ(o.tooltips.at(ctl::kJBase + 2), "Действующий ток " + fb::F3(o.result.IrmsSec[2]) + " A");
    // The copper of the absent windings does not count.
    EXPECT_EQ(o.results.at(ctl::kKfill), fb::F3(o.result.Kfill));
}

TEST(FlybackWindings, DesiredDiametersAreStandardisedWithANoticePerWinding) {
    Bench b;
    FlybackInput in;
    in.d11 = "0,33";
    in.d21 = "0.5";
    in.d22 = "0,21";
    in.yes_d = 1;
    in.zazor = "0";  // several passes: each notice still appears once
    const fb::FlybackOutcome o = b.Run(in);
    ASSERT_TRUE(o.computed);
    EXPECT_EQ(o.input.d11, "0.355");
    EXPECT_EQ(o.input.d21, "0.5");
    EXPECT_EQ(o.input.d22, "0.25");
    ASSERT_GE(o.messages.size(), 3u);
    EXPECT_EQ(o.messages[0].text,
              "Указанный желаемый диаметр 0.33 мм заменен на ближайший стандартный диаметр 0.355 мм");
    EXPECT_EQ(o.messages[1].text,
              "Указанный желаемый диаметр 0.21 мм заменен на ближайший стандартный диаметр 0.25 мм");
    EXPECT_EQ(o.messages[2].text.rfind("Заданная величина зазор", 0), 0u);
    // With yes_d the chosen wires are the standardised ones.
    EXPECT_EQ(o.results.at(ctl::kPrimaryWire).rfind("витков, провод 0.355 x ", 0), 0u);
    EXPECT_EQ(o.results.at(ctl::kWireBase + 1).rfind("0.25 x ", 0), 0u);
}

TEST(FlybackWindings, ContinuityZeroUsesTheSecondCapacitorBranch) {
    Bench b;
    const fb::FlybackOutcome o = b.Run(FlybackInput{});
    ASSERT_EQ(o.result.Kc[0], 0);
    const double D = o.result.D[0], I = 2;
    const double Ipk2 = 2 * I / ((0 + 1) * (1 - D));
    const double c = Ipk2 - I;
    const double S = (c * c * c + I * I * I) * (1 - D) / (Ipk2 * (1 - 0.0) * 3) + I * I * D;
    EXPECT_EQ(o.results.at(ctl::kIcrmsBase), fb::F3(std::sqrt(S)) + " А");
}

}  // namespace
