// Whole analyses of shipped example designs, run as the command-line tools run them.
#include <gtest/gtest.h>

#include <cmath>

#include "boostcoil/design/pfckeys.h"
#include "boostcoil/design/pfclosses.h"
#include "common/data/corebase.h"
#include "common/data/textfile.h"
#include "flyback/design/flybacklosses.h"
#include "tests/support/designdata.h"

namespace {

using namespace fb;

const std::string kRoot = std::string(FB_SOURCE_DIR) + "/data/";

struct FlybackExample {
    CWireTable wires;
    CoreRecord core;
    FlybackOutcome outcome;
};

FlybackExample RunFlyback(const std::string& file) {
    FlybackExample e;
    EXPECT_TRUE(e.wires.Load(kRoot, kBigBuffer));
    FlybackInput in;
    EXPECT_TRUE(FlybackDesignFile().Read(kRoot + "Flyback/" + file, in));
    CMaterial material;
    EXPECT_TRUE(fbtest::LoadMaterialAndCore(kRoot, in.mater, in.core, kBigBuffer, kBigBuffer, material, e.core));
    e.outcome = DesignFlyback(in, e.core, material, e.wires);
    return e;
}

// "Example 12V 3A adapter.sav" (E 25/13/7, N87, 65 kHz, 12 V 3 A) on a coil former taken as
// 15.6 mm wide, 4.4 mm high, turn 52 mm, outer surface 20.4 cm² (the E25 set 25 × 25.6 × 7.5 mm).
// From the design at Umin: Np = 69 of 0.375 mm (diz 0.414), Ipk = 1.24946 A, Dmax = 0.473956,
// Kc = 0.175995, Pcore = 0.142411 W; secondary 8 turns of 5 × 0.5 mm (diz 0.544), Irms 4.46193 A.
// Hand calculation (harmonics by midpoint quadrature of 200000 steps, not the code's closed form):
//   primary: 15.6/0.414 = 37.7 → 37 a layer, 2 layers, 0.828 mm; η = 37·0.8862·0.375/15.6 = 0.7882
//   secondary bundle 0.544·√5 = 1.2164 mm: 12 a layer, 1 layer; η = 8·√5·0.8862·0.5/15.6 = 0.5081
//   build 0.828 + 0.1 (tape 2 × 0.05) + 1.2164 = 2.1444 mm of 4.4: fill 0.4874, fits
//   settled at 64.97 °C: ρ = 1.724e-8·1.17673, δ(65 kHz) = 0.28117 mm
//   primary Rdc = ρ·69·0.052/(π/4·0.375²·1e-6) = 0.65904 Ω; Δ1 = 0.8862·0.375/0.28117·√0.7882 = 1.0494,
//     Dowell F(Δ1, m = 2) = 1.488; current DC² 0.12125, h1² 0.12719, h2² 0.01528, h3² 0.01144, all 0.29768 A²;
//     summed Rac/Rdc = 2.0988, loss 0.41176 W
//   secondary Rdc = ρ·8·0.052/(5·π/4·0.25·1e-6) = 0.0085962 Ω; Δ1 = 1.1234, m = √5; Rac/Rdc = 2.4348,
//     loss 0.41670 W
//   total 0.142411 + 0.82846 = 0.97087 W = 47.59 mW/cm², ΔT = 47.59^0.833 = 24.97 K, hot spot 64.97 °C
//   leakage μ0·69²·0.052/0.0156·((0.828 + 1.2164)/3 + 0.1)·1e-3 = 15.585 µH;
//   interleaved 35 + 8 + 34 turns, Σh = 0.414 + 1.2164 + 0.414, two tapes: ·((2.0444/3 + 0.2)/4) = 4.395 µH
TEST(ExampleDesigns, FlybackAdapterAgainstHandCalculation) {
    FlybackExample e = RunFlyback("Example 12V 3A adapter.sav");
    ASSERT_TRUE(e.outcome.computed);
    const CoreGeometry g{15.6, 4.4, 52, 20.4, 0, false};
    const LossAnalysis a = AnalyseFlyback(e.outcome, e.wires, g, LossOptions{});
    ASSERT_TRUE(a.valid);
    ASSERT_EQ(a.windings.size(), 2u);
    const WindingResult& p = a.windings[0];
    const WindingResult& s = a.windings[1];
    EXPECT_EQ(p.build.turnsPerLayer, 37);
    EXPECT_EQ(p.build.layers, 2);
    EXPECT_EQ(s.build.turnsPerLayer, 12);
    EXPECT_EQ(s.build.layers, 1);
    EXPECT_NEAR(a.build, 2.1444, 1e-4);
    EXPECT_NEAR(a.buildFill, 0.4874, 1e-4);
    EXPECT_TRUE(a.fits);
    EXPECT_NEAR(p.Rdc, 0.65904, 1e-4);
    EXPECT_NEAR(p.acFactor, 2.0988, 2e-3);
    EXPECT_NEAR(p.loss, 0.41176, 1e-3);
    EXPECT_NEAR(s.Rdc, 0.0085962, 1e-6);
    EXPECT_NEAR(s.acFactor, 2.4348, 2e-3);
    EXPECT_NEAR(s.loss, 0.41670, 1e-3);
    EXPECT_NEAR(a.totalLoss, 0.97087, 1e-3);
    EXPECT_NEAR(a.rise, 24.97, 0.02);
    EXPECT_NEAR(a.hotSpot, 64.97, 0.02);
    EXPECT_NEAR(a.leakage_uH, 15.585, 1e-2);

    LossOptions interleaved;
    interleaved.interleave = true;
    const LossAnalysis b = AnalyseFlyback(e.outcome, e.wires, g, interleaved);
    ASSERT_EQ(b.windings.size(), 3u);
    EXPECT_EQ(b.windings[0].turns + b.windings[2].turns, 69);
    EXPECT_EQ(b.windings[0].turns, 35);
    EXPECT_NEAR(b.leakage_uH, 4.395, 1e-2);
    // Halving the primary's layers lowers its eddy loss: one layer each instead of two.
    EXPECT_LT(b.windings[0].acFactor, p.acFactor);
    EXPECT_LT(b.copperLoss, a.copperLoss);

    // The same design on a former too low for it: reported as not fitting.
    const LossAnalysis low =
        AnalyseFlyback(e.outcome, e.wires, CoreGeometry{15.6, 2.0, 52, 20.4, 0, false}, LossOptions{});
    EXPECT_FALSE(low.fits);
    EXPECT_GT(low.buildFill, 1);
    // A run a guard stopped has nothing to analyse.
    EXPECT_FALSE(AnalyseFlyback(FlybackOutcome{}, e.wires, g, LossOptions{}).valid);
    EXPECT_FALSE(AnalyseChoke(PfcResult{}, e.wires, g, LossOptions{}).valid);
}

// "Example 150W universal input.sav" (ETD 39, N87, 100 kHz) on a former taken as 25.7 mm wide,
// 7.4 mm high, turn 69 mm, surface 40 cm². Design: N = 86 of 1 × 0.9 mm (diz 0.959),
// dI = 0.809097 A at D = 0.69948, mains current 1.93753 A, Pcore = 0.0442509 W.
// Hand calculation: 25.7/0.959 = 26.8 → 26 a layer, 4 layers, 3.836 mm (fill 0.5184);
// η = 26·0.8862·0.9/25.7 = 0.8069; ripple RMS² dI²/12 = 0.054553 A², h1² = 0.049891;
// settled at 56.16 °C: δ = 0.22333 mm, Rdc = 0.18366 Ω, Δ1 = 3.2082, F(Δ1, 4) = 38.19;
// Rac/Rdc = (1.93753² + Σ hn²·F(Δ1√n, 4))/(1.93753² + 0.054553) = 1.5508; loss 1.08477 W;
// total 1.12903 W = 28.23 mW/cm², ΔT = 16.16 K.
TEST(ExampleDesigns, ChokeAgainstHandCalculation) {
    CWireTable wires;
    ASSERT_TRUE(wires.Load(kRoot, kBigBuffer));
    PfcInput in;
    ASSERT_TRUE(PfcDesignFile().Read(kRoot + "Boostcoil/Example 150W universal input.sav", in));
    CMaterial material;
    CoreRecord core;
    ASSERT_TRUE(fbtest::LoadMaterialAndCore(kRoot, in.mater, in.core, kBigBuffer, kBigBuffer, material, core));
    const PfcResult r = CalculateChoke(in, core, material, wires);
    ASSERT_TRUE(r.calculated);
    const LossAnalysis a = AnalyseChoke(r, wires, CoreGeometry{25.7, 7.4, 69, 40, 0, false}, LossOptions{});
    ASSERT_EQ(a.windings.size(), 1u);
    EXPECT_EQ(a.windings[0].build.layers, 4);
    EXPECT_NEAR(a.buildFill, 0.5184, 1e-4);
    EXPECT_NEAR(a.windings[0].Rdc, 0.18366, 1e-4);
    EXPECT_NEAR(a.windings[0].acFactor, 1.5508, 2e-3);
    EXPECT_NEAR(a.copperLoss, 1.08477, 1e-3);
    EXPECT_NEAR(a.rise, 16.16, 0.02);
    EXPECT_FALSE(a.hasLeakage);
}

}  // namespace
