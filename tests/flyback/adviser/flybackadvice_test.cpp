// The flyback adviser over a catalogue of the test's own and over the shipped data: candidates
// as a single design sees them, a ranking known by hand, failing candidates with their reason,
// the same order for every thread count, and cancelling.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>

#include "common/adviser/programadvice.h"
#include "common/adviser/ranking.h"
#include "common/data/textfile.h"
#include "flyback/adviser/flybackadvice.h"
#include "flyback/cli/calcrun.h"
#include "flyback/design/flybackanalysis.h"
#include "support/advisertesting.h"
#include "support/tempdir.h"

namespace {

std::string Crlf(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

// Losses at 25 and 100 kHz, scaled by `k`. Bmmax = 0.1 T caps the loss-limited flux of both
// scales (100 kHz, 0.1 T gives 60·k mW/cm³, below the 200 allowed), so materials that differ
// only in `k` give the same design and exactly k times the core loss: scaling both rows leaves
// every logarithmic slope of the lookup unchanged.
std::string Material(int k) {
    auto p = [k](int v) { return std::to_string(v * k); };
    return "Bmax = 0.32\nBmmax = 0.1\nmu = 2200\n[Flux density]\nB1 = 50\nB2 = 100\nB3 = 200\n"
           "[Frequencies]\nF1 = 25\nF2 = 100\n[F_25]\nB_50 = " +
           p(2) + "\nB_100 = " + p(10) + "\nB_200 = " + p(50) + "\n[F_100]\nB_50 = " + p(10) + "\nB_100 = " + p(60) +
           "\nB_200 = " + p(340) + "\n";
}

// Ve = le·Ae/1000: E 25/13/7 2.994, E 42/21/20 22.73, E 8/4/2 0.0962, RM 10 4.312 cm³.
// [E 25] is selected by its name as E 25/13/7 (the first entry beginning with it), so it is
// that core again; [R 20] is in no shape's list.
const char* const kCores =
    "[E 25/13/7]\nAe = 51.84\nAn = 95.32\nle = 57.76\nmu = 1616\n\n"
    "[E 42/21/20]\nAe = 233.5\nAn = 275\nle = 97.35\nmu = 1699\n\n"
    "[E 8/4/2]\nAe = 5.2\nAn = 6\nle = 18.5\nmu = 1000\n\n"
    "[E 25]\nAe = 60\nAn = 90\nle = 60\nmu = 1500\n\n"
    "[R 20]\nAe = 60\nAn = 90\nle = 60\nmu = 1500\n\n"
    "[RM 10]\nAe = 98\nAn = 69.53\nle = 44\nmu = 1501\n\n";

class TinyCatalogue : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir.write("Bases_Cores/FerritesCores.txt", Crlf(kCores));
        m_dir.write("Ferrites_Materials/A.txt", Crlf(Material(1)));
        m_dir.write("Ferrites_Materials/B.txt", Crlf(Material(2)));
        // A single frequency: no loss lookup is possible, the design's guard stops.
        m_dir.write("Ferrites_Materials/C.txt",
                    Crlf("Bmax = 0.3\nBmmax = 0.2\nmu = 2000\n[Flux density]\nB1 = 50\n"
                         "B2 = 100\n[Frequencies]\nF1 = 100\n[F_100]\nB_50 = 10\nB_100 = 60\n"));
        m_dir.write("Wire.txt", Crlf("d1 = 0.1\ndiz1 = 0.12\nd2 = 0.2\ndiz2 = 0.22\nd3 = 0.3\ndiz3 = 0.33\n"
                                     "d4 = 0.5\ndiz4 = 0.54\nd5 = 0.8\ndiz5 = 0.85\nd6 = 1\ndiz6 = 1.06\n"));
        m_wires.Load(Root(), fb::kBigBuffer);
        m_catalogue = fb::LoadSweepCatalogue(Root(), fb::kBigBuffer, fb::kBigBuffer);
    }
    std::string Root() const { return m_dir.path() + "/"; }
    fb::SweepResult Sweep(const fb::FlybackInput& form, unsigned threads = 0) const {
        fb::SweepOptions options;
        options.threads = threads;
        return fb::RunSweep(m_catalogue, fb::FlybackEvaluator(form, m_wires), options);
    }

    fbtest::TempDir m_dir;
    fb::CWireTable m_wires;
    fb::SweepCatalogue m_catalogue;
};

TEST_F(TinyCatalogue, CoresAsSelectedByNameAndEveryMaterial) {
    std::vector<std::string> names;
    for (const fb::CoreRecord& c : m_catalogue.cores) names.push_back(c.name);
    EXPECT_EQ(names, (std::vector<std::string>{"E 25/13/7", "E 42/21/20", "E 8/4/2", "RM 10"}));
    EXPECT_EQ(m_catalogue.cores[3].shape, 4);
    ASSERT_EQ(m_catalogue.materials.size(), 3u);
    const fb::SweepResult swept = Sweep(fb::FlybackInput{});
    EXPECT_EQ(swept.candidates.size(), 12u);
    // The window's job: the same candidates from its own core base.
    fb::CCoreBase base;
    base.Load(Root(), fb::kBigBuffer, false);
    const fb::SweepResult job =
        fb::SweepJobFor(base, Root(), fb::kBigBuffer, fb::FlybackEvaluator(fb::FlybackInput{}, m_wires))({});
    ASSERT_EQ(job.candidates.size(), 12u);
    for (size_t i = 0; i < 12; ++i) EXPECT_EQ(job.candidates[i].results, swept.candidates[i].results);
}

TEST_F(TinyCatalogue, RankingKnownByHand) {
    const fb::SweepResult r = Sweep(fb::FlybackInput{});
    // By volume, working candidates only: the hand-computed Ve order, A before B on equal
    // volume; E 8/4/2 would need a gap beyond le/3 and C cannot be designed with.
    std::vector<std::string> order;
    fb::CandidateFilter worksOnly;
    worksOnly.worksOnly = true;
    for (const fb::Candidate& c : fb::Rank(r.candidates, fb::SortKey::Volume, worksOnly))
        order.push_back(c.core + " " + c.material);
    EXPECT_EQ(order, (std::vector<std::string>{"E 25/13/7 A", "E 25/13/7 B", "RM 10 A", "RM 10 B", "E 42/21/20 A",
                                               "E 42/21/20 B"}));
    // Twice the loss table, twice the loss, the same design otherwise.
    for (size_t i = 0; i < r.candidates.size(); i += 3) {
        const fb::Candidate& a = r.candidates[i];
        const fb::Candidate& b = r.candidates[i + 1];
        ASSERT_EQ(a.core, b.core);
        if (a.core == "E 8/4/2") {  // its gap would pass le/3: no design, no loss with either
            EXPECT_TRUE(std::isnan(a.coreLoss) && std::isnan(b.coreLoss));
            continue;
        }
        EXPECT_EQ(b.coreLoss, 2 * a.coreLoss) << a.core;
        EXPECT_EQ(a.turns, b.turns);
        EXPECT_EQ(a.gapText, b.gapText);
        EXPECT_LT(a.copperLoss, b.copperLoss);  // the same windings, warmer by B's core loss
        EXPECT_EQ(a.totalLoss, a.coreLoss + a.copperLoss);
        EXPECT_TRUE(a.massEstimated);  // no geometry file: Ve·4.8 g/cm³
        EXPECT_NEAR(a.mass, a.volume * 4.8, 1e-3 * a.mass);
    }
    // By loss every working A comes before the B of its core, and failing ones come last.
    const std::vector<fb::Candidate> byLoss = fb::Rank(r.candidates, fb::SortKey::TotalLoss);
    EXPECT_TRUE(byLoss.front().works);
    EXPECT_FALSE(byLoss.back().works);
}

TEST_F(TinyCatalogue, FailingCandidatesSayWhy) {
    const fb::SweepResult r = Sweep(fb::FlybackInput{});
    const fb::Candidate& tiny = r.candidates[6];  // E 8/4/2 with A
    ASSERT_EQ(tiny.core + tiny.material, "E 8/4/2A");
    EXPECT_FALSE(tiny.works);
    // The gap it needs passes a third of its 18.5 mm path: the design stops and says so.
    ASSERT_EQ(tiny.checks.size(), 1u);
    EXPECT_EQ(tiny.checks[0].rule, "not_computed");
    const std::string gap = tiny.messages.back().text;
    EXPECT_EQ(gap.rfind("Требуемый немагнитный зазор", 0), 0u) << gap;
    EXPECT_EQ(tiny.reasons[0], "Расчёт не выполнен: " + gap.substr(0, gap.find('\n')));

    const fb::Candidate& noTable = r.candidates[2];  // E 25/13/7 with C
    EXPECT_FALSE(noTable.works);
    ASSERT_EQ(noTable.checks.size(), 1u);
    EXPECT_EQ(noTable.checks[0].rule, "not_computed");
    const std::string stop = noTable.messages.back().text;
    EXPECT_EQ(noTable.reasons[0], "Расчёт не выполнен: " + stop.substr(0, stop.find('\n')));
    EXPECT_TRUE(std::isnan(noTable.coreLoss));
}

// The single design the CLI runs for the candidate's core and material, from a design file.
fb::CalcRun SingleDesign(const std::string& root, const std::string& file, const fb::FlybackInput& form,
                         const fb::Candidate& c) {
    fb::FlybackDesignFile().Write(file, fb::GapModeCandidateInput(form, c.core, c.material));
    fb::CalcOptions options;
    options.dataRoot = root;
    options.file = file;
    options.usense = form.Usense;
    return fb::RunFlybackCalc(options);
}

// The single design's texts, then its whole analysis with the data root's geometry: the
// candidate's checks print as the single design's, its loss numbers are the same numbers.
void ExpectSameAsSingle(const std::string& root, const std::string& file, const fb::FlybackInput& form,
                        const fb::Candidate& c) {
    const fb::CalcRun single = SingleDesign(root, file, form, c);
    ASSERT_EQ(single.status, fb::CalcStatus::Done) << c.core << " " << c.material << " " << single.error;
    EXPECT_EQ(single.outcome.results, c.results) << c.core << " " << c.material;
    EXPECT_EQ(single.messages, c.messages) << c.core << " " << c.material;
    EXPECT_EQ(single.outcome.input.zazor, c.gapText);
    fbtest::SingleDesignData d = fbtest::LoadSingleDesignData(root, single.materialLoaded, fb::kBigBuffer, single.core);
    const fb::DesignAnalysis a =
        fb::AnalyseFlybackDesign(single.outcome, single.core, d.material, d.wires, d.geometry, fb::LossOptions{});
    fbtest::ExpectCandidateAsAnalysed(c, a, d.geometry, false);
}

TEST_F(TinyCatalogue, AnEvaluatorThatThrowsFailsOnlyItsPair) {
    const fb::Evaluator throwing = [](const fb::CoreRecord& core, const fb::CMaterial& m) -> fb::Candidate {
        if (core.name == "RM 10") throw std::bad_alloc();
        fb::Candidate c;
        c.core = core.name;
        c.material = m.name;
        fb::FinishCandidate(c, {});
        return c;
    };
    const fb::SweepResult r = fb::RunSweep(m_catalogue, throwing);
    ASSERT_EQ(r.candidates.size(), 12u);
    EXPECT_TRUE(r.candidates[0].works);
    EXPECT_FALSE(r.candidates[9].works);
    EXPECT_EQ(r.candidates[9].checks[0].rule, "internal_error");
}

TEST_F(TinyCatalogue, EachCandidateEqualsItsSingleDesign) {
    fb::FlybackInput form;
    form.yes_al = 1;  // an AL typed for another core: the sweep starts from no gap
    form.zazor = "160";
    const std::string file = m_dir.file("candidate.sav");
    for (const fb::Candidate& c : Sweep(form).candidates) ExpectSameAsSingle(Root(), file, form, c);
}

const std::string kShipped = FB_SOURCE_DIR "/data/";

fb::FlybackInput ShippedExample() {
    fb::FlybackInput form;
    EXPECT_TRUE(fb::FlybackDesignFile().Read(kShipped + "Flyback/Example 12V 3A adapter.sav", form));
    return form;
}

TEST(FlybackAdviserShipped, SampleOfCandidatesEqualsSingleDesigns) {
    const fb::FlybackInput form = ShippedExample();
    const fb::SweepRun run = fb::SweepFlybackFile(kShipped, kShipped + "Flyback/Example 12V 3A adapter.sav", "1");
    ASSERT_TRUE(run.ok) << run.error;
    ASSERT_GT(run.sweep.candidates.size(), 1000u);
    fbtest::TempDir dir;
    for (size_t i = 0; i < run.sweep.candidates.size(); i += 97)
        ExpectSameAsSingle(kShipped, dir.file("c.sav"), form, run.sweep.candidates[i]);
}

TEST(FlybackAdviserShipped, SameOrderForEveryThreadCount) {
    const fb::SweepCatalogue cat = fb::LoadSweepCatalogue(kShipped, fb::kBigBuffer, fb::kBigBuffer);
    fb::CWireTable wires;
    wires.Load(kShipped, fb::kBigBuffer);
    const fb::Evaluator eval = fb::FlybackEvaluator(ShippedExample(), wires);
    auto run = [&](unsigned threads) {
        fb::SweepOptions options;
        options.threads = threads;
        return fb::RunSweep(cat, eval, options).candidates;
    };
    const std::vector<fb::Candidate> one = run(1);
    ASSERT_EQ(one.size(), cat.Size());
    for (unsigned threads : {2u, 8u, 8u}) {
        const std::vector<fb::Candidate> many = run(threads);
        ASSERT_EQ(many.size(), one.size());
        for (size_t i = 0; i < one.size(); ++i) {
            ASSERT_EQ(many[i].index, static_cast<int>(i));
            ASSERT_EQ(many[i].core + many[i].material, one[i].core + one[i].material);
            ASSERT_EQ(many[i].results, one[i].results);
            ASSERT_EQ(many[i].checks, one[i].checks);
        }
    }
}

TEST(FlybackAdviserShipped, CancellingStopsTheSweep) {
    const fb::SweepCatalogue cat = fb::LoadSweepCatalogue(kShipped, fb::kBigBuffer, fb::kBigBuffer);
    fb::CWireTable wires;
    wires.Load(kShipped, fb::kBigBuffer);
    const fb::Evaluator inner = fb::FlybackEvaluator(ShippedExample(), wires);
    std::atomic<bool> cancel{false};
    std::atomic<int> calls{0};
    const fb::Evaluator eval = [&](const fb::CoreRecord& core, const fb::CMaterial& m) {
        if (++calls == 10) cancel = true;
        return inner(core, m);
    };
    size_t lastDone = 0;
    fb::SweepOptions options;
    options.threads = 2;
    options.cancel = &cancel;
    options.progress = [&](size_t done, size_t total) {
        EXPECT_EQ(done, lastDone + 1);
        EXPECT_EQ(total, cat.Size());
        lastDone = done;
    };
    const fb::SweepResult r = fb::RunSweep(cat, eval, options);
    EXPECT_TRUE(r.cancelled);
    EXPECT_GE(r.candidates.size(), 10u);
    EXPECT_LE(r.candidates.size(), 11u);  // the other worker finishes the pair it holds
    EXPECT_EQ(lastDone, r.candidates.size());
    for (size_t i = 1; i < r.candidates.size(); ++i) EXPECT_LT(r.candidates[i - 1].index, r.candidates[i].index);
}

}  // namespace
