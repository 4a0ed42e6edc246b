// The shared design-check rules on plain numbers (each rule where it just fires and where it
// just does not) and the additional figures against closed forms and hand calculations.
#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>

#include "common/analysis/checksfigures.h"
#include "common/analysis/designchecks.h"
#include "support/checkstesting.h"

namespace fb {
namespace {

TEST(DesignCheckRules, GapModelRange) {
    // E 13/6/6: le 30.23 mm, An 34.27 mm², Ae 17.11 mm²; window height √(2·34.27) = 8.279 mm.
    // Fringing factor 1 + (g/√17.11)·ln(30.23/(3g)): 0.80 mm → 1.490, 0.85 mm → 1.508; it falls
    // back to 1.25 at 9 mm, where the gap is beyond le/10 = 3.023 mm.
    struct Case {
        double gap, mue;
        bool toroid;
        const char* rule;
        const char* severity;
    };
    const Case cases[] = {
        {10.08, 50, false, "gap_fringing_range", "error"},  // 30.23/3 = 10.077
        {10.07, 50, false, "gap_fringing_range", "warning"},
        {9, 50, false, "gap_fringing_range", "warning"},
        {0.85, 50, false, "gap_fringing_range", "warning"},
        {0.80, 50, false, "gap_fringing_range", ""},
        {8.28, 50, false, "gap_window", "error"},
        {8.27, 50, false, "gap_window", ""},
        {0.1, 50, true, "gap_on_toroid", "error"},
        {0, 50, true, "gap_on_toroid", ""},
        {1, 2.9, false, "mue_low", "error"},
        {1, 9.9, false, "mue_low", "warning"},
        {1, 10, false, "mue_low", ""},
    };
    for (const Case& c : cases) {
        Checks out;
        CheckGap({c.gap, 30.23, 34.27, 17.11, c.mue, false, c.toroid}, out);
        EXPECT_EQ(Fired(out, c.rule), c.severity) << c.rule << " gap " << c.gap << " mue " << c.mue;
    }
    // A measured AL law replaces the fringing model: only the hard limit stays.
    Checks law;
    CheckGap({2, 30.23, 34.27, 17.11, 50, true, false}, law);
    EXPECT_EQ(Fired(law, "gap_fringing_range"), "");
}

TEST(DesignCheckRules, FluxTripFillLossDutyFinite) {
    Checks out;
    // Bmax 0.31 T, saturation at 100 °C 0.31/0.8 = 0.3875 T; the method's tolerance of 0.5 mT:
    // 0.3876 saturates, 0.3106 > 0.31 + 0.0005 has no margin, 0.3104 does not count.
    CheckFlux({0.3876, 0.25, 0.31}, out);
    EXPECT_EQ(Fired(out, "flux_above_bmax"), "error");
    out.clear();
    CheckFlux({0.3106, 0.25, 0.31}, out);
    EXPECT_EQ(Fired(out, "flux_above_bmax"), "warning");
    out.clear();
    CheckFlux({0.3104, 0.25, 0.31}, out);
    EXPECT_EQ(Fired(out, "flux_above_bmax"), "");
    EXPECT_EQ(Fired(out, "flux_above_limit"), "warning");
    out.clear();
    CheckFlux({0.2504, 0.25, 0.31}, out);
    EXPECT_TRUE(out.empty());

    // Headroom: 0.8 % (the shipped flyback) warns, 10 % passes, below the peak fails.
    // Bmax 0.31 T → Bsat(100 °C) 0.3875 T; the flux at trip is 0.2·Itrip/Ipk, far from it.
    const struct {
        double Itrip;
        const char* severity;
    } trips[] = {{1.008, "warning"}, {1.1, ""}, {0.95, "error"}};
    for (const auto& t : trips) {
        out.clear();
        CheckTrip({1.0, t.Itrip, 0.2, 0.31}, out);
        EXPECT_EQ(Fired(out, "current_limit_headroom"), t.severity) << t.Itrip;
        EXPECT_EQ(Fired(out, "trip_flux_saturation"), "");
    }
    // Trip flux with +10 %: 0.3·1.2·1.1 = 0.396 > 0.3875 warns; 0.3·1.17·1.1 = 0.3861 does not;
    // 0.3·1.3 = 0.39 > 0.3875 even without tolerance is an error.
    const struct {
        double Itrip;
        const char* severity;
    } fluxes[] = {{1.2, "warning"}, {1.17, ""}, {1.3, "error"}};
    for (const auto& t : fluxes) {
        out.clear();
        CheckTrip({1.0, t.Itrip, 0.3, 0.31}, out);
        EXPECT_EQ(Fired(out, "trip_flux_saturation"), t.severity) << t.Itrip;
    }

    const struct {
        double fill;
        const char* severity;
    } fills[] = {{1.01, "error"}, {0.31, "warning"}, {0.3, ""}};
    for (const auto& f : fills) {
        out.clear();
        CheckFill({f.fill, 0.3}, out);
        EXPECT_EQ(Fired(out, "window_fill"), f.severity) << f.fill;
    }

    // Loss table 25…500 kHz, 0.05…0.3 T.
    const struct {
        double f, B;
        const char* severity;
    } losses[] = {{501, 0.1, "warning"},  {500, 0.1, ""},       {24, 0.1, "warning"},
                  {100, 0.31, "warning"}, {100, 0.049, "note"}, {100, 0.05, ""}};
    for (const auto& l : losses) {
        out.clear();
        CheckLossRange({l.f, l.B, 25, 500, 0.05, 0.3, "N87 Epcos"}, out);
        EXPECT_EQ(Fired(out, "loss_extrapolated"), l.severity) << l.f << " " << l.B;
    }

    out.clear();
    CheckDuty({{"a", -0.01}, {"b", 0}, {"c", 0.999}, {"d", 1}}, out);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].values[0].value, -0.01);
    EXPECT_EQ(out[1].values[0].value, 1);
    out.clear();
    CheckFinite({{"L", 1}, {"Bpk", NAN}, {"Pcore", INFINITY}}, out);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_NE(out[0].text.find("Bpk, Pcore"), std::string::npos);
}

TEST(DesignCheckRules, ToroidNames) {
    for (const char* ring : {"T 25/15/10", "R 12.5/7.5/5", "TX 22/14/6.4", "TN 10/6/4", " T10", "Кольцо 20"})
        EXPECT_TRUE(IsToroidName(ring)) << ring;
    for (const char* split : {"RM 8", "E 25/13/7", "ETD 29", "PQ 26/25", "EI 25", ""})
        EXPECT_FALSE(IsToroidName(split)) << split;
}

TEST(DesignCheckOutput, JsonAndReportLines) {
    Checks c{{"gap_on_toroid", Severity::Error, "Зазор \"1\"\\\n", {{"gap_mm", 0.1}, {"bad", NAN}}},
             {"dc_input_capacitor", Severity::Note, "x", {}}};
    const auto j = nlohmann::json::parse(ChecksJson(c));
    ASSERT_EQ(j.size(), 2u);
    EXPECT_EQ(j[0]["rule"], "gap_on_toroid");
    EXPECT_EQ(j[0]["severity"], "error");
    EXPECT_EQ(j[0]["text"], "Зазор \"1\"\\\n");
    EXPECT_EQ(j[0]["values"]["gap_mm"], 0.1);
    EXPECT_TRUE(j[0]["values"]["bad"].is_null());
    EXPECT_EQ(j[1]["severity"], "note");
    EXPECT_TRUE(j[1]["values"].is_object());
    EXPECT_EQ(ChecksJson({}), "[]");
    EXPECT_TRUE(HasError(c));
    EXPECT_EQ(ChecksReportLines(c)[1], "[замечание] x (dc_input_capacitor)");
    EXPECT_EQ(ChecksReportLines({}).size(), 1u);
    const auto f = nlohmann::json::parse(FiguresJson({{"a", "А", 1.5, "В"}}));
    EXPECT_EQ(f["a"], 1.5);
    EXPECT_EQ(FiguresReportLines({{"a", "Ток", 1.5, "А"}})[0], "Ток: 1.500 А");
}

TEST(CheckFigures, PfcLineCycleAgainstClosedForm) {
    // Without ripple (L huge), Erickson's boost rectifier: U = 85 V, Uout = 400 V:
    // switch = Iline·√(1 − 8√2·85/(3π·400)) = Iline·0.863082,
    // capacitor = Iout·√(8√2·400/(3π·85) − 1) = Iout·2.156164, choke = Iline.
    const PfcLineCycleRms r = PfcRmsOverLineCycle({85, 1.3, 400, 0.25, 1e9, 100});
    EXPECT_NEAR(r.choke, 1.3, 1e-4);
    EXPECT_NEAR(r.sw, 1.3 * 0.863082, 1e-4);
    EXPECT_NEAR(r.cap, 0.25 * 2.156164, 1e-4);
    // Ripple only adds: ΔI²/12 per period.
    const PfcLineCycleRms w = PfcRmsOverLineCycle({85, 1.3, 400, 0.25, 1000, 100});
    EXPECT_GT(w.choke, r.choke);
    EXPECT_LT(w.choke, 1.3 * 1.02);
}

TEST(CheckFigures, WorstRippleAndDcBus) {
    // Uout/(4·L·f) = 1000·400/(4·1150.74·100) = 0.869006 A at 400/(2√2) = 141.42 V.
    PfcWorstRipple w = PfcWorstCaseRipple(85, 265, 400, 1150.74, 100);
    EXPECT_NEAR(w.dI, 0.869006, 1e-6);
    EXPECT_NEAR(w.Uline, 141.421, 1e-3);
    // No crest reaches 200 V below 141 V: the crest of Umax = 100 V, 141.42·(1 − 0.35355)/(1000·100)·1000.
    w = PfcWorstCaseRipple(85, 100, 400, 1000, 100);
    EXPECT_NEAR(w.dI, 0.914214, 1e-6);
    EXPECT_EQ(w.Uline, 100);
    // Every crest passes 200 V: the lowest line voltage is named.
    EXPECT_EQ(PfcWorstCaseRipple(150, 265, 400, 1000, 100).Uline, 150);

    // 90 V, 100 W at 90 %, 220 µF, 50 Hz, tc 3 ms: √(2·90² − 2·111.11·0.007/220e-6) = 95.547 V.
    const DcBus b = DcBusAt(90, 100 / 0.9, 220);
    EXPECT_NEAR(b.valley, 95.547, 1e-3);
    EXPECT_NEAR(b.peak, 127.279, 1e-3);
    EXPECT_EQ(DcBusAt(90, 100 / 0.9, 10).valley, 0);  // cannot hold the bus
}

}  // namespace
}  // namespace fb
