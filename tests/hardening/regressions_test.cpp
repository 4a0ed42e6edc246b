// Faults the sweeps found, each pinned by the smallest input that showed it.
#include <gtest/gtest.h>

#include "boostcoil/design/pfc.h"
#include "common/data/numbers.h"
#include "tests/flyback/design/fixture.h"

namespace fbtest {
namespace {

size_t Count(const fb::Messages& messages, const std::string& start) {
    size_t n = 0;
    for (const fb::Message& m : messages) n += m.text.rfind(start, 0) == 0;
    return n;
}

const char* const kReplaced = "Указанный желаемый диаметр";

// A wire file out of ascending order (a hand-edited Wire.txt) replaced the same diameter on
// every pass of the gap correction, and each pass added its box: hundreds of OK clicks.
TEST(SweepRegressions, WireNoticeIsNotRepeatedByEveryCorrectionPass) {
    Bench bench;
    bench.wires = fb::CWireTable{};
    for (double d : {1.0, 0.5, -0.2}) {
        ++bench.wires.N;
        bench.wires.d[bench.wires.N] = d;
        bench.wires.diz[bench.wires.N] = d + 0.05;
        bench.wires.S[bench.wires.N] = d * d * M_PI * 0.25;
    }
    fb::FlybackInput in;
    in.zazor = "0,01";  // far too small: the loop corrects it over several passes
    const fb::FlybackOutcome o = bench.Run(in);
    ASSERT_TRUE(o.computed) << (o.messages.empty() ? "" : o.messages[0].text);
    ASSERT_GT(o.result.passes, 2);
    // One box per winding whose diameter was replaced (primary and two secondaries).
    EXPECT_EQ(Count(o.messages, kReplaced), 3u);
}

// Within one pass two windings with the same replaced diameter still get a box each.
TEST(SweepRegressions, EqualNoticesOfOnePassAreAllShown) {
    Bench bench;
    fb::FlybackInput in;
    in.d21 = "0,46";
    in.d22 = "0.46";
    const fb::FlybackOutcome o = bench.Run(in);
    ASSERT_TRUE(o.computed);
    EXPECT_EQ(Count(o.messages, "Указанный желаемый диаметр 0.46 мм"), 2u);
}

// A zero divisor in the choke design showed "inf" and "nan" in the fields with no word of
// why. The texts stay as the formatting gives them; a message now says what they mean.
TEST(SweepRegressions, InfiniteChokeResultsComeWithAMessage) {
    const fb::CoreRecord core = ChokeCore();
    const fb::CMaterial material = ExampleMaterial();
    const fb::CWireTable wires = ExampleWires();
    auto notices = [](const fb::PfcResult& r) { return Count(r.messages, "При этих данных часть величин"); };

    const fb::PfcResult sound = fb::CalculateChoke(fb::PfcInput{}, core, material, wires);
    ASSERT_TRUE(sound.calculated);
    EXPECT_EQ(notices(sound), 0u);

    for (const char* fr : {"0", "-5"}) {
        fb::PfcInput in;
        in.Fr = fr;
        const fb::PfcResult r = fb::CalculateChoke(in, core, material, wires);
        EXPECT_EQ(notices(r), 1u) << fr;
        ASSERT_FALSE(r.messages.empty());
        EXPECT_EQ(r.messages.back().caption, "Внимание!");
    }
    fb::PfcInput noLoad;
    noLoad.P2 = "0";
    const fb::PfcResult r = fb::CalculateChoke(noLoad, core, material, wires);
    EXPECT_EQ(r.texts.at(fb::pfcid::kLreq), "inf");  // shown as the formatting gives it
    EXPECT_EQ(notices(r), 1u);
}

// One mistyped power made the correction write a gap of many metres (or an AL of "-0") into the
// field and from there into the settings. E 36/18/11 has le = 78 mm, so the gap model holds
// below 26 mm; a 150 W choke needs about 1.4 mm, 3000 W 21.6 mm, 20 kW or 10 MW far more.
TEST(SweepRegressions, CorrectionNeverWritesAGapTheModelCannotHold) {
    const fb::CoreRecord core = ChokeCore();
    const fb::CMaterial material = ExampleMaterial();
    const fb::CWireTable wires = ExampleWires();
    struct Case {
        const char *P2, *Umin, *zazor;
        int yes_al;
        const char* why;
    };
    for (const Case& c : {Case{"20000", "85", "1.5", 0, "Требуемый немагнитный зазор "},
                          Case{"1e7", "85", "1.5", 0, "Требуемый немагнитный зазор "},
                          Case{"1e7", "85", "400", 1, "Требуемая величина AL "}}) {
        fb::PfcInput in;
        in.P2 = c.P2;
        in.Umin = c.Umin;
        in.zazor = c.zazor;
        in.yes_al = c.yes_al;
        const fb::PfcResult r = fb::CalculateChoke(in, core, material, wires);
        EXPECT_FALSE(r.calculated) << c.P2;
        EXPECT_EQ(r.input.zazor, c.zazor) << c.P2;  // the field keeps its text
        EXPECT_EQ(r.texts.at(fb::pfcid::kN), "") << c.P2;
        ASSERT_EQ(Count(r.messages, c.why), 1u) << c.P2;
        EXPECT_EQ(r.messages.back().caption, "Внимание!");
    }
    fb::PfcInput sound;
    sound.P2 = "150";
    sound.zazor = "0.1";
    const fb::PfcResult corrected = fb::CalculateChoke(sound, core, material, wires);
    EXPECT_TRUE(corrected.calculated);
    EXPECT_GT(fb::TextToDouble(corrected.input.zazor), 0.1);
    EXPECT_LT(fb::TextToDouble(corrected.input.zazor), 26);

    // The flyback correction obeys the same limit (E 25/13/7: le 57.76 mm, a limit of 19.25 mm).
    Bench bench;
    fb::FlybackInput big;
    big.I21 = "300";
    const fb::FlybackOutcome o = bench.Run(big);
    EXPECT_FALSE(o.computed);
    EXPECT_EQ(o.input.zazor, "0.25");  // the entered text, its comma made a point
    ASSERT_EQ(o.messages.size(), 1u);
    EXPECT_EQ(o.messages[0].text.rfind("Требуемый немагнитный зазор ", 0), 0u) << o.messages[0].text;
}

}  // namespace
}  // namespace fbtest
