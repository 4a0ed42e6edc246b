// The PFC choke adviser on the shipped data: candidates equal single designs of boostcoil-calc
// text for text, a small core is marked with its reason, an AL form starts from no gap.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "boostcoil/adviser/pfcadvice.h"
#include "boostcoil/cli/calcrun.h"
#include "boostcoil/design/pfcanalysis.h"
#include "boostcoil/design/pfckeys.h"
#include "common/adviser/programadvice.h"
#include "support/advisertesting.h"
#include "support/tempdir.h"

namespace {

const std::string kShipped = FB_SOURCE_DIR "/data/";

void ExpectSameAsSingle(const std::string& file, const fb::PfcInput& form, const fb::Candidate& c) {
    fb::PfcDesignFile().Write(file, fb::GapModeCandidateInput(form, c.core, c.material));
    const fb::CalcRun single = fb::RunDesignFile(kShipped, file);
    ASSERT_EQ(single.status, fb::CalcRun::Status::Calculated) << c.core << " " << single.error;
    EXPECT_EQ(single.result.texts, c.results) << c.core << " " << c.material;
    EXPECT_EQ(single.messages, c.messages) << c.core << " " << c.material;
    EXPECT_EQ(single.input.zazor, c.gapText);
    // Its whole analysis with the shipped geometry: the same checks, text for text, and numbers;
    // results that are not numbers stay so in both.
    const fbtest::SingleDesignData d =
        fbtest::LoadSingleDesignData(kShipped, single.material, fb::kPfcSmallBuffer, single.core);
    const fb::DesignAnalysis a =
        fb::AnalyseChokeDesign(single.result, d.material, d.wires, d.geometry, fb::LossOptions{});
    fbtest::ExpectCandidateAsAnalysed(c, a, d.geometry, true);
}

class PfcShipped : public ::testing::TestWithParam<const char*> {};

TEST_P(PfcShipped, SampleOfCandidatesEqualsSingleDesigns) {
    const std::string example = kShipped + "Boostcoil/" + GetParam();
    fb::PfcInput form;
    ASSERT_TRUE(fb::PfcDesignFile().Read(example, form));
    const fb::SweepRun run = fb::SweepPfcFile(kShipped, example);
    ASSERT_TRUE(run.ok) << run.error;
    ASSERT_GT(run.sweep.candidates.size(), 1000u);
    fbtest::TempDir dir;
    for (size_t i = 0; i < run.sweep.candidates.size(); i += 101)
        ExpectSameAsSingle(dir.file("c.sav"), form, run.sweep.candidates[i]);
}

// The second example holds an AL: the candidates run in gap mode from no gap.
INSTANTIATE_TEST_SUITE_P(Examples, PfcShipped,
                         ::testing::Values("Example 150W universal input.sav", "Example 75W PQ core AL.sav"));

const fb::Candidate& Find(const std::vector<fb::Candidate>& v, const std::string& core, const std::string& mat) {
    for (const fb::Candidate& c : v)
        if (c.core == core && c.material == mat) return c;
    throw std::runtime_error("no candidate " + core + " " + mat);
}

// 300 W on small cores: the method raises the gap far beyond what the core can take.
TEST(PfcAdviser, SmallCoresSayWhyTheyDoNotWork) {
    const fb::SweepRun run = fb::SweepPfcFile(kShipped, kShipped + "Boostcoil/Example 300W universal input.sav");
    ASSERT_TRUE(run.ok);
    auto has = [](const fb::Candidate& c, const std::string& rule) {
        for (const fb::CandidateCheck& k : c.checks)
            if (k.rule == rule) return k.severity == "error";
        return false;
    };
    // A gap of a third of the path length or more is beyond the gap model: the design stops
    // rather than correct to it, and says so.
    const fb::Candidate& nan = Find(run.sweep.candidates, "E 13/6/6", "N87 Epcos");
    EXPECT_FALSE(nan.works);
    ASSERT_FALSE(nan.reasons.empty());
    EXPECT_EQ(nan.reasons[0].rfind("Расчёт не выполнен: Требуемый немагнитный зазор", 0), 0u) << nan.reasons[0];
    EXPECT_FALSE(has(nan, "build_not_fit"));  // no losses from a design that stopped
    EXPECT_EQ(nan.messages.back().text.rfind("Требуемый немагнитный зазор", 0), 0u);
    // Saturated and overfilled: both reasons given, flux first.
    const fb::Candidate& both = Find(run.sweep.candidates, "E 20/10/5", "N87 Epcos");
    EXPECT_FALSE(both.works);
    EXPECT_TRUE(has(both, "flux_above_bmax"));
    EXPECT_TRUE(has(both, "window_fill"));
    EXPECT_TRUE(Find(run.sweep.candidates, "E 42/21/20", "N87 Epcos").works);
}

}  // namespace
