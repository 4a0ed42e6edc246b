// The sampled waveforms against the design's own numbers, for both programs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "boostcoil/design/pfctestdata.h"
#include "boostcoil/design/pfcwaves.h"
#include "flyback/design/fixture.h"
#include "flyback/design/flybackwaves.h"

namespace fb {
namespace {

const Plot& PlotById(const PlotSet& set, const std::string& id) {
    for (const Plot& p : set.plots)
        if (p.id == id) return p;
    ADD_FAILURE() << "no plot " << id;
    static const Plot none;
    return none;
}

void ExpectRel(double actual, double expected, const std::string& what) {
    EXPECT_NEAR(actual, expected, 2e-3 * std::fabs(expected) + 1e-9) << what;
}

// Hand calculation, CCM: D = 0.4, Kc = 0.5, Ipk = 2 A → Iin = 2·1.5·0.4/2 = 0.6 A,
// Irms = 2·√((1 + 0.5 + 0.25)/3)·√0.4 = 0.96609 A; secondary I2 = 1 A → Ipk2 = 2/(1.5·0.6)
// = 2.2222 A, Irms2 = 2.2222·0.76376·√0.6 = 1.31468 A.
TEST(Waveforms, FlybackShapesMatchHandFigures) {
    FlybackWaveInput in;
    in.Fconv = 100;
    for (auto& p : in.line) p = {300, 0.4, 0.5, 2};
    in.Ur = 200;
    in.Bpk = 0.25;
    in.secondaries.push_back({1, 1.0});
    const PlotSet set = FlybackWaveforms(in);
    ASSERT_TRUE(set.valid);
    const WaveStats p = Measure(PlotById(set, "primary_current").series[0]);
    EXPECT_NEAR(p.mean, 0.6, 1e-4);
    EXPECT_NEAR(p.rms, 0.96609, 1e-4);
    EXPECT_NEAR(p.peak, 2, 1e-3);
    const WaveStats s = Measure(PlotById(set, "secondary1_current").series[0]);
    EXPECT_NEAR(s.mean, 1.0, 1e-4);
    EXPECT_NEAR(s.rms, 1.31468, 1e-4);
    // Switch voltage in CCM: 300 + 200 for the whole off-time, 0 during the on-time.
    const PlotSeries& v = PlotById(set, "switch_voltage").series[0];
    EXPECT_DOUBLE_EQ(ValueAt(v, 9.9), 500);
    EXPECT_DOUBLE_EQ(ValueAt(v, 2), 0);
    // Broken operating points give no plots rather than nonsense.
    in.line[1].D = 1;
    EXPECT_FALSE(FlybackWaveforms(in).valid);
}

struct FlybackCase {
    const char* name;
    std::string Iccm, Umin;
    int setevoe;
};

TEST(Waveforms, FlybackAgreesWithTheDesign) {
    const FlybackCase cases[] = {
        {"defaults", "0", "200", 0}, {"continuous", "40", "200", 0}, {"mains", "30", "207", 1}};
    for (const FlybackCase& c : cases) {
        SCOPED_TRACE(c.name);
        fbtest::Bench bench;
        FlybackInput in;
        in.Iccm = c.Iccm;
        in.Umin = c.Umin;
        in.setevoe = c.setevoe;
        if (c.setevoe == 1) in.Unom = "230", in.Umax = "253";
        const FlybackOutcome out = bench.Run(in);
        ASSERT_TRUE(out.computed);
        const FlybackResult& r = out.result;
        const PlotSet set = FlybackPlots(out, bench.material);
        ASSERT_TRUE(set.valid);
        const Plot& primary = PlotById(set, "primary_current");
        for (int i = 0; i < 3; ++i) {
            const WaveStats st = Measure(primary.series[i]);
            ExpectRel(st.mean, r.Iin[i], "Iin " + std::to_string(i));
            ExpectRel(st.rms, r.Irms[i], "Irms " + std::to_string(i));
        }
        ExpectRel(Measure(primary.series[0]).peak, r.Ipk, "Ipk");
        const WaveStats sec = Measure(PlotById(set, "secondary1_current").series[0]);
        ExpectRel(sec.rms, r.IrmsSec[0], "secondary rms");
        ExpectRel(sec.mean, 2.0, "secondary mean = load current");
        const WaveStats flux = Measure(PlotById(set, "flux_density").series[0]);
        ExpectRel(flux.peak, r.Bpk, "Bpk");
        ExpectRel((flux.peak - flux.valley) / 2, r.dB, "dB");
        const WaveStats v = Measure(PlotById(set, "switch_voltage").series[2]);
        ExpectRel(v.peak, TextToDouble(out.input.Umax) * (c.setevoe ? 1.35 : 1) + r.Ur + 100, "spike");
    }
}

TEST(Waveforms, NoPlotsWithoutADesign) {
    EXPECT_FALSE(FlybackPlots(FlybackOutcome{}, CMaterial{}).valid);
    EXPECT_FALSE(PfcPlots(PfcResult{}).valid);
}

class PfcWaves : public ::testing::Test {
protected:
    void SetUp() override {
        pfctest::WriteDataRoot(m_dir);
        ASSERT_TRUE(wires.Load(m_dir.path(), 100000));
        ASSERT_TRUE(material.Load(m_dir.path(), "N87 Epcos", 100000));
        cores.Load(m_dir.path(), 100000, false);
        cores.SelectByName("E 36/18/11");
        ASSERT_TRUE(cores.OnSelect(core));
    }
    fbtest::TempDir m_dir;
    CWireTable wires;
    CMaterial material;
    CCoreBase cores;
    CoreRecord core;
};

TEST_F(PfcWaves, CrestIsTheDesignPoint) {
    const PfcResult r = CalculateChoke(PfcInput{}, core, material, wires);
    ASSERT_TRUE(r.calculated);
    const PlotSet set = PfcPlots(r);
    ASSERT_TRUE(set.valid);
    const Plot& cmin = PlotById(set, "choke_current_min");
    ExpectRel(ValueAt(cmin.series[0], 90), r.Ipk_min, "peak at the crest");
    ExpectRel(ValueAt(cmin.series[2], 90), r.Ipk_min - r.dI_min, "valley at the crest");
    ExpectRel(Measure(cmin.series[1]).rms, r.Iin_min, "mains current RMS");
    ExpectRel(Measure(cmin.series[0]).peak, r.Ipk_min, "the crest is the highest peak at Umin");
    // The winding's RMS at the crest from the sampled peak and valley.
    const double a = ValueAt(cmin.series[2], 90), dI = ValueAt(cmin.series[0], 90) - a;
    ExpectRel(std::sqrt(a * a + a * dI + dI * dI / 3), r.Irms, "Irms");
    ExpectRel(ValueAt(PlotById(set, "choke_current_max").series[0], 90), r.Ipk_max, "peak at Umax");
    const Plot& duty = PlotById(set, "duty");
    ExpectRel(ValueAt(duty.series[0], 90), r.D_min, "D_min");
    ExpectRel(ValueAt(duty.series[1], 90), r.D_max, "D_max");
    const Plot& ripple = PlotById(set, "ripple");
    ExpectRel(ValueAt(ripple.series[0], 90), r.dI_min, "dI_min");
    ExpectRel(ValueAt(ripple.series[1], 90), r.dI_max, "dI_max");
}

// At 265 V the crest (374.8 V) is above U2/2 = 200 V: the widest ripple is at
// asin(200/374.77) = 32.25° and equals 1000·400/(4·F·L).
TEST_F(PfcWaves, WorstRippleAtHighLine) {
    const PfcResult r = CalculateChoke(PfcInput{}, core, material, wires);
    const PfcWaveInput in = PfcWaveInputOf(r);
    const PfcRipplePoint w = PfcWorstRipple(in, 265);
    EXPECT_NEAR(w.phaseDeg, 32.25, 0.01);
    ExpectRel(w.ripple, 1000 * 400 / (4 * 100 * r.L), "worst ripple");
    ExpectRel(Measure(PlotById(PfcPlots(r), "ripple").series[1]).peak, w.ripple, "sampled worst ripple");
    EXPECT_EQ(PfcWorstRipple(in, 85).phaseDeg, 90);  // 120 V crest: the crest is the worst point
    // 300 V mains has a 424 V crest, above the 400 V bus: outside what a boost can do, said so.
    PfcWaveInput high = in;
    high.Umax = 300;
    const PlotSet flagged = PfcWaveforms(high);
    EXPECT_TRUE(std::any_of(flagged.notes.begin(), flagged.notes.end(),
                            [](const std::string& n) { return n.find("не может") != std::string::npos; }));
    EXPECT_EQ(PfcWaveforms(in).notes.size(), flagged.notes.size() - 1);
}

}  // namespace
}  // namespace fb
