// The flyback design checks on whole engine runs: designs an engineer would reject raise their
// rule, the shipped examples raise no error.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/data/textfile.h"
#include "flyback/cli/calcrun.h"
#include "flyback/design/flybackchecks.h"
#include "support/checkstesting.h"
#include "tests/support/designdata.h"

namespace fb {
namespace {

const std::string kRoot = std::string(FB_SOURCE_DIR) + "/data/";

struct Designed {
    FlybackOutcome out;
    Checks checks;
    CoreRecord core;
    CWireTable wires;
    FlybackExtra Figures(double capacitance = 0) const { return FlybackFigures(out, core, wires, capacitance); }
};

Designed Design(FlybackInput in, double capacitance = 0) {
    CWireTable wires;
    EXPECT_TRUE(wires.Load(kRoot, kBigBuffer));
    CMaterial mat;
    CoreRecord core;
    EXPECT_TRUE(fbtest::LoadMaterialAndCore(kRoot, in.mater, in.core, kBigBuffer, kBigBuffer, mat, core));
    Designed r;
    r.core = core;
    r.out = DesignFlyback(in, core, mat, wires);
    r.wires = wires;
    r.checks = CheckFlyback(r.out, core, mat, wires, capacitance);
    return r;
}

TEST(FlybackChecks, ShippedExamplesRaiseNoError) {
    int n = 0;
    for (const auto& e : std::filesystem::directory_iterator(kRoot + "Flyback")) {
        if (e.path().extension() != ".sav") continue;
        CalcOptions o;
        o.dataRoot = kRoot;
        o.file = e.path().string();
        const CalcRun run = RunFlybackCalc(o);
        ASSERT_EQ(run.status, CalcStatus::Done) << o.file;
        CWireTable wires;
        wires.Load(kRoot, kBigBuffer);
        CMaterial mat;
        mat.Load(kRoot, run.materialLoaded, kBigBuffer);
        const Checks c = CheckFlyback(run.outcome, run.core, mat, wires);
        EXPECT_FALSE(HasError(c)) << o.file << "\n" << Listed(c);
        // Insulation adds to the copper: (diz/d)² is 1.06…1.44 over the table's wires.
        const double fill = FlybackFigures(run.outcome, run.core, wires).insulatedFill;
        EXPECT_GT(fill, 1.05 * run.outcome.result.Kfill);
        EXPECT_LT(fill, 1.5 * run.outcome.result.Kfill);
        ++n;
    }
    EXPECT_GE(n, 3);
}

TEST(FlybackChecks, DesignsThatCannotWork) {
    FlybackInput ring;  // a gap on a ferrite ring
    ring.core = "T 25/15/10";
    EXPECT_EQ(Fired(Design(ring).checks, "gap_on_toroid"), "error");
    FlybackInput split;  // the same on a two-part core
    EXPECT_EQ(Fired(Design(split).checks, "gap_on_toroid"), "");

    FlybackInput small;  // 12 V 10 A from the smallest E core
    small.core = "E 13/6/6";
    small.I21 = "10";
    const Designed s = Design(small);
    EXPECT_TRUE(HasError(s.checks)) << Listed(s.checks);

    FlybackInput none;  // a run the engine's guard stops: one error, nothing else read
    none.Fconv = "0";
    const Designed n = Design(none);
    ASSERT_FALSE(n.out.computed);
    ASSERT_EQ(n.checks.size(), 1u);
    EXPECT_EQ(n.checks[0].rule, "not_computed");

    FlybackInput fast;  // beyond the loss table of N87
    fast.Fconv = "2000";
    EXPECT_EQ(Fired(Design(fast).checks, "loss_extrapolated"), "warning");
    EXPECT_EQ(Fired(Design(FlybackInput{}).checks, "loss_extrapolated"), "");
}

TEST(FlybackChecks, InputAndTripPoint) {
    // DC input (the start-up form): the capacitor result means nothing.
    const Designed dc = Design(FlybackInput{});
    EXPECT_EQ(Fired(dc.checks, "dc_input_capacitor"), "warning");
    // The sense resistor trips where the flux reaches the permitted peak: Usense/Rsense =
    // Ipk·Blim/Bpk, so the flux at the trip point is Blim.
    const FlybackExtra x = dc.Figures();
    EXPECT_NEAR(x.Btrip, dc.out.result.Blim, 1e-9);
    EXPECT_NEAR(x.headroomPct, (dc.out.result.Blim / dc.out.result.Bpk - 1) * 100, 1e-9);

    // Mains 90…265 V, 12 V 2 A, Pin = (12.8·2 + 14.8·0.02)/0.9 = 28.77 W, 7 ms without charge:
    // 68 µF: √(2·90² − 2·28.77·0.007/68e-6) = 101.4 V, 17 % below 1.35·90 = 121.5 V (a note);
    // 47 µF: 87.3 V, 28 % below (a warning); 1000 µF: 125.7 V, it holds.
    FlybackInput ac;
    ac.setevoe = 1;
    ac.Umin = "90", ac.Unom = "230", ac.Umax = "265";
    EXPECT_EQ(Fired(Design(ac, 68).checks, "bus_low_line"), "note");
    EXPECT_EQ(Fired(Design(ac, 47).checks, "bus_low_line"), "warning");
    const Designed big = Design(ac, 1000);
    EXPECT_EQ(Fired(big.checks, "bus_low_line"), "");
    EXPECT_EQ(Fired(big.checks, "dc_input_capacitor"), "");
    EXPECT_NEAR(big.Figures(1000).busMinValley, 125.69, 0.01);
    EXPECT_NEAR(big.Figures(1000).busMaxPeak, 374.77, 0.01);  // √2·265
    // A 480 V switch: the method's 1.35·265 = 357.75 V leaves room for Ur ≤ 124 V, the real
    // crest of 374.77 V does not.
    EXPECT_EQ(Fired(big.checks, "switch_voltage_high_line"), "");
    ac.Utrmax = "480";
    EXPECT_EQ(Fired(Design(ac, 1000).checks, "switch_voltage_high_line"), "warning");
    // DC 200…350 V with Ur = 123.7 V (whole turns below Umirror 124): 473.7 V on the switch
    // before any overshoot, so a 470 V switch has no room left; the default 600 V has.
    FlybackInput dcSwitch;
    dcSwitch.Utrmax = "470";
    EXPECT_EQ(Fired(Design(dcSwitch).checks, "switch_voltage_high_line"), "warning");
    EXPECT_EQ(Fired(dc.checks, "switch_voltage_high_line"), "");
}

}  // namespace
}  // namespace fb
