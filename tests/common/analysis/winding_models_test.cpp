// The winding-loss models against hand calculations and published figures.
#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>

#include "common/analysis/dowell.h"
#include "common/analysis/lossanalysis.h"
#include "common/analysis/thermal.h"
#include "common/analysis/waveform.h"
#include "common/analysis/windingbuild.h"

namespace {

using namespace fb;

// Dowell's factor F(Δ, m) = Δ[(sinh2Δ + sin2Δ)/(cosh2Δ − cos2Δ) + 2(m²−1)/3·(sinhΔ − sinΔ)/(coshΔ + cosΔ)],
// evaluated by hand with a pocket calculator:
//   Δ = 1, m = 1: (3.626860 + 0.909297)/(3.762196 + 0.416147) = 1.085636
//   Δ = 1, m = 2: 1.085636 + 2·(1.175201 − 0.841471)/(1.543081 + 0.540302) = 1.085636 + 2·0.160186 = 1.406009
//   Δ = 2, m = 3: 2·[(27.2899 − 0.7568)/(27.3082 + 0.6536) + 16/3·(3.6269 − 0.9093)/(3.7622 − 0.4161)] = 10.561
//   Δ = 10, m = 10: both ratios → 1, F → Δ(2m² + 1)/3 = 670.0
//   Δ = 0.1, m = 1 (one thin layer): the low-frequency series 1 + (5m² − 1)/45·Δ⁴ = 1.0000089
//   Δ = 0.3, m = 3: the series 1 + 44/45·0.0081 = 1.00792 (the low-frequency limit of Dowell's expression)
TEST(Dowell, FactorMatchesHandCalculationsAndLimits) {
    struct Case {
        double delta, m, F, tol;
    } cases[] = {{1, 1, 1.085636, 1e-5},    {1, 2, 1.406009, 1e-5},  {2, 3, 10.561, 1e-3}, {10, 10, 670.08, 0.01},
                 {0.1, 1, 1.0000089, 1e-7}, {0.3, 3, 1.00792, 1e-4}, {5e-4, 4, 1.0, 1e-9}};
    for (const Case& c : cases) EXPECT_NEAR(DowellFactor(c.delta, c.m), c.F, c.tol) << c.delta << " " << c.m;
    // Continuity across the two switch-overs of the evaluation (series below 1e-3, asymptote above 20).
    EXPECT_NEAR(DowellFactor(0.99999e-3, 5), DowellFactor(1.00001e-3, 5), 1e-9);
    EXPECT_NEAR(DowellFactor(20 - 1e-7, 5), DowellFactor(20 + 1e-7, 5), 1e-5);
    EXPECT_TRUE(std::isfinite(DowellFactor(1e6, 3)));
}

// δ = √(ρ/(π f μ0)) = √(1.724e-8/(π·1e5·4π·1e-7)) = √(4.3670e-8) m = 0.20897 mm at 100 kHz, 20 °C
// (the engine's rule of thumb 2.0871/√f[kHz] gives 0.20871 mm). The round-to-square ratio for
// d = 0.5 mm, η = 0.81: √(π/4)·0.5/0.20897·0.9 = 1.9085.
TEST(Dowell, SkinDepthAndPenetrationRatio) {
    EXPECT_NEAR(SkinDepth(1e5, kRho20), 0.20897, 1e-4);
    EXPECT_NEAR(PenetrationRatio(0.5, 0.20897, 0.81), 1.9085, 1e-3);
}

// A pure sine of RMS I: the sum has one term, Dowell's factor at the fundamental.
// A symmetric triangle of amplitude 1 has peaks 8/(π²n²) at odd n: RMS² of the first 0.328511,
// of the third 0.328511/81, none at even n; its whole RMS² is 1/3 and its mean 0.
// The trapezoid 1 → 3 A over D = 0.5: mean (1 + 3)/2·0.5 = 1 A, RMS² (1 + 3 + 9)/3·0.5 = 2.1667 A².
TEST(Dowell, HarmonicSum) {
    HarmonicContent sine;
    sine.rms2 = {4.0};
    sine.total2 = 4.0;
    for (double delta : {0.2, 1.0, 3.0}) EXPECT_NEAR(HarmonicAcFactor(sine, delta, 4), DowellFactor(delta, 4), 1e-12);

    const HarmonicContent tri = Harmonics(RippleShape(2, 0.5), 5);
    EXPECT_NEAR(tri.dc2, 0, 1e-12);
    EXPECT_NEAR(tri.total2, 1.0 / 3, 1e-12);
    EXPECT_NEAR(tri.rms2[0], 0.328511, 1e-6);
    EXPECT_NEAR(tri.rms2[1], 0, 1e-12);
    EXPECT_NEAR(tri.rms2[2], 0.328511 / 81, 1e-7);

    const HarmonicContent trap = Harmonics(SwitchOnShape(1, 3, 0.5), 30);
    EXPECT_NEAR(trap.dc2, 1, 1e-12);
    EXPECT_NEAR(trap.total2, 13.0 / 6, 1e-12);
    // Nothing is lost or counted twice: DC + listed harmonics + the rest make the whole.
    double sum = trap.dc2 + trap.rest2;
    for (double v : trap.rms2) sum += v;
    EXPECT_NEAR(sum, trap.total2, 1e-9);
    // A current with only DC is lost at Rdc, whatever the frequency.
    const HarmonicContent dc = Harmonics(SwitchOnShape(2, 2, 1), 10);
    EXPECT_NEAR(HarmonicAcFactor(dc, 5, 10), 1.0, 1e-9);
}

// 10 m of 0.5 mm copper: A = 0.19635 mm², R20 = 1.724e-8·10/0.19635e-6 = 0.87803 Ω (wire tables:
// 87.8 Ω/km for 0.50 mm); at 100 °C ×(1 + 0.00393·80) = 1.3144 → 1.15408 Ω. Two strands halve it.
TEST(Thermal, DcResistanceOfKnownLength) {
    EXPECT_NEAR(DcResistance(200, 50, 1, 0.5, CopperResistivity(20)), 0.87803, 1e-4);
    EXPECT_NEAR(DcResistance(200, 50, 1, 0.5, CopperResistivity(100)), 1.15408, 1e-4);
    EXPECT_NEAR(DcResistance(200, 50, 2, 0.5, CopperResistivity(20)), 0.87803 / 2, 1e-4);
}

// ΔT = (P[mW]/A[cm²])^0.833: 1 W on 20 cm² is 50 mW/cm², 50^0.833 = e^(0.833·3.91202) = 26.02 K;
// 2 W on 20 cm² is 100 mW/cm², 100^0.833 = 10^1.666 = 46.4 K.
TEST(Thermal, ConvectionRise) {
    EXPECT_NEAR(TemperatureRise(1, 20).deltaT, 26.016, 1e-2);
    EXPECT_NEAR(TemperatureRise(2, 20).deltaT, 46.4, 0.1);
    EXPECT_TRUE(TemperatureRise(1, 20).InRange());
    EXPECT_FALSE(TemperatureRise(0.01, 20).InRange());
    EXPECT_EQ(TemperatureRise(1, 0).deltaT, 0);
}

// 10 turns of 1.0 mm insulated wire on a 10 mm former fill one layer exactly; the 11th starts a
// second. Four strands bundle to 2 mm: 5 turns a layer. 0.55 mm wire on 5.5 mm: 10 turns exactly
// (5.5/0.55 is 9.999… in binary).
TEST(WindingBuild, ExactLayerAndOneTurnMore) {
    LayerBuild b = BuildLayers(10, 1, 1.0, 10);
    EXPECT_EQ(b.turnsPerLayer, 10);
    EXPECT_EQ(b.layers, 1);
    EXPECT_DOUBLE_EQ(b.build_mm, 1.0);
    b = BuildLayers(11, 1, 1.0, 10);
    EXPECT_EQ(b.layers, 2);
    EXPECT_DOUBLE_EQ(b.build_mm, 2.0);
    EXPECT_EQ(BuildLayers(10, 4, 1.0, 10).turnsPerLayer, 5);
    EXPECT_EQ(BuildLayers(10, 1, 0.55, 5.5).layers, 1);
    EXPECT_FALSE(BuildLayers(3, 1, 2.0, 1.5).fits);
}

// μ0·N²·MLT/(M²·bw)·(Σh/3 + Σt) with N = 40, MLT = 50 mm, bw = 10 mm, h = 1 + 1 mm, t = 0.1 mm:
// 4π·1e-7·1600·0.05/0.01·(0.6667 + 0.1)·1e-3 = 7.7074 µH; split primary (M = 2): a quarter.
TEST(WindingBuild, LeakageFromBuild) {
    EXPECT_NEAR(LeakageInductance(40, 50, 10, {1, 1}, 0.1, 1), 7.7074, 1e-3);
    EXPECT_NEAR(LeakageInductance(40, 50, 10, {1, 1}, 0.1, 2), 7.7074 / 4, 1e-3);
}

// One choke-like winding of DC current on a known former: 50 turns of 0.5 mm (insulated 0.55) on
// 10 mm width → 18 a layer, 3 layers, build 1.65 mm of 5 mm. Rdc20 = 1.724e-8·50·0.05/0.19635e-6
// = 0.21951 Ω; with 2 A and 0.5 W of core loss on 20 cm² the loop settles where
// T = 40 + ((0.5 + 4·Rdc(T))·1000/20)^0.833; iterated by hand from 40 °C: T = 78.05 °C,
// Rdc = 0.26959 Ω, copper 1.0784 W, total 1.5784 W = 78.92 mW/cm², ΔT = 78.92^0.833 = 38.05 K.
TEST(LossAnalysis, DcWindingSettlesAndReportsFit) {
    WindingInput w;
    w.name = "L";
    w.turns = 50;
    w.wire_mm = 0.5;
    w.insulated_mm = 0.55;
    w.current = SwitchOnShape(2, 2, 1);
    CoreGeometry g{10, 5, 50, 20, 0, false};
    const LossAnalysis a = AnalyseWindings({w}, 1e5, 0.5, g, LossOptions{});
    ASSERT_TRUE(a.valid);
    ASSERT_EQ(a.windings.size(), 1u);
    EXPECT_EQ(a.windings[0].build.layers, 3);
    EXPECT_NEAR(a.build, 1.65, 1e-9);
    EXPECT_TRUE(a.fits);
    // The fixed point itself, whatever the path to it.
    const double T = a.hotSpot;
    EXPECT_NEAR(a.windings[0].Rdc, 0.21951 * (1 + 0.00393 * (T - 20)), 1e-4);
    EXPECT_NEAR(a.windings[0].acFactor, 1.0, 1e-9);
    EXPECT_NEAR(T, 40 + std::pow((0.5 + 4 * a.windings[0].Rdc) * 1000 / 20, 0.833), 0.02);
    EXPECT_NEAR(T, 78.05, 0.02);
    EXPECT_NEAR(a.copperLoss, 1.0784, 1e-3);
    EXPECT_NEAR(a.totalLoss, a.coreLoss + a.copperLoss, 1e-12);

    // The same winding on a 1.2 mm high former does not fit; on a former narrower than the wire no
    // turn fits at all.
    EXPECT_FALSE(AnalyseWindings({w}, 1e5, 0.5, CoreGeometry{10, 1.2, 50, 20, 0, false}, LossOptions{}).fits);
    EXPECT_FALSE(AnalyseWindings({w}, 1e5, 0.5, CoreGeometry{0.5, 5, 50, 20, 0, false}, LossOptions{}).fits);
    // End margins of 3 mm leave 4 mm: 7 turns a layer, 8 layers, 4.4 mm.
    LossOptions reinforced;
    reinforced.margin_mm = 3;
    EXPECT_EQ(AnalyseWindings({w}, 1e5, 0.5, g, reinforced).windings[0].build.layers, 8);
    // 30 A through 0.5 mm wire: the copper heats faster than it sheds heat; the loop stops, says so
    // and the JSON still reads.
    WindingInput hot = w;
    hot.current = SwitchOnShape(30, 30, 1);
    const LossAnalysis runaway = AnalyseWindings({hot}, 1e5, 0.5, g, LossOptions{});
    EXPECT_FALSE(runaway.notes.empty());
    EXPECT_GT(runaway.hotSpot, 1000);
    EXPECT_NO_THROW(nlohmann::json::parse(AnalysisJsonText(runaway)));
    // Options out of range are refused with a message, not computed with.
    LossOptions bad;
    bad.harmonics = 1000000000;
    bad.tape_mm = -1;
    EXPECT_EQ(CheckLossOptions(bad).size(), 2u);
    EXPECT_FALSE(AnalyseWindings({w}, 1e5, 0.5, g, bad).valid);
    EXPECT_TRUE(CheckLossOptions(LossOptions{}).empty());
    // No former dimensions: not valid, and said so.
    const LossAnalysis none = AnalyseWindings({w}, 1e5, 0.5, CoreGeometry{}, LossOptions{});
    EXPECT_FALSE(none.valid);
    EXPECT_FALSE(none.notes.empty());
}

TEST(LossAnalysis, JsonHasTheKeys) {
    WindingInput w;
    w.name = "L";
    w.turns = 50;
    w.wire_mm = 0.5;
    w.insulated_mm = 0.55;
    w.current = RippleShape(1, 0.3);
    const auto j = nlohmann::json::parse(
        AnalysisJsonText(AnalyseWindings({w}, 1e5, 0.5, CoreGeometry{10, 5, 50, 20, 0, false}, LossOptions{})));
    for (const char* key :
         {"name", "turns", "strands", "wire_mm", "layers", "build_mm", "Rdc_ohm", "Rac_ohm", "copper_loss_W"})
        EXPECT_TRUE(j["windings"][0].contains(key)) << key;
    for (const char* key :
         {"core_loss_W", "copper_loss_W", "total_loss_W", "temperature_rise_K", "hot_spot_C", "build_fill", "fits"})
        EXPECT_TRUE(j.contains(key)) << key;
    EXPECT_TRUE(j["fits"].is_boolean());
    EXPECT_EQ(j["options"]["ambient_C"], 40.0);
    EXPECT_EQ(j["options"]["interleave"], false);
}

}  // namespace
