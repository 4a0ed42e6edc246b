// Ranking rules and the --sweep output over candidates written by hand.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "common/adviser/ranking.h"
#include "common/adviser/sweepargs.h"
#include "common/adviser/sweepoutput.h"

namespace {

fb::Candidate Make(const std::string& core, const std::string& material, double loss, double rise, bool works,
                   int shape = 0) {
    fb::Candidate c;
    c.core = core;
    c.material = material;
    c.shape = shape;
    c.coreLoss = loss;
    c.volume = loss * 10;
    if (!works) c.checks.push_back({"design.flux", "error", "Амплитуда индукции велика", {}});
    c.checks.push_back({"design.note", "warning", "только предупреждение", {{"fill", 0.5}}});
    fb::CandidateLosses l;
    l.temperatureRise = rise;
    fb::FinishCandidate(c, l);
    return c;
}

std::vector<std::string> Names(const std::vector<fb::Candidate>& v) {
    std::vector<std::string> out;
    for (const fb::Candidate& c : v) out.push_back(c.core + "/" + c.material);
    return out;
}

const std::vector<fb::Candidate> kSet = {
    Make("E 30", "N87", 0.30, 20, true),     Make("E 20", "N87", 0.10, fb::kUnknown, true),
    Make("E 25", "N87", 0.20, 10, true),     Make("E 10", "N87", 0.05, 5, false),
    Make("E 25", "3C95", 0.20, 30, true, 0), Make("RM 8", "N87", 0.20, 15, true, 4),
};

TEST(AdviserRanking, WorkingFirstThenKeyThenNames) {
    // Equal losses of 0.2 W fall back to core name, then material; the failing one is last
    // although its loss is the smallest; a warning alone does not fail a candidate.
    EXPECT_EQ(Names(fb::Rank(kSet, fb::SortKey::TotalLoss)),
              (std::vector<std::string>{"E 20/N87", "E 25/3C95", "E 25/N87", "RM 8/N87", "E 30/N87", "E 10/N87"}));
    // An unknown temperature rise ranks after every known one.
    EXPECT_EQ(Names(fb::Rank(kSet, fb::SortKey::TemperatureRise)),
              (std::vector<std::string>{"E 25/N87", "RM 8/N87", "E 30/N87", "E 25/3C95", "E 20/N87", "E 10/N87"}));
    EXPECT_FALSE(kSet[3].works);
    EXPECT_EQ(kSet[3].reasons, std::vector<std::string>{"Амплитуда индукции велика"});
}

TEST(AdviserRanking, FiltersAndTop) {
    fb::CandidateFilter f;
    f.shape = 4;
    EXPECT_EQ(Names(fb::Rank(kSet, fb::SortKey::Volume, f)), std::vector<std::string>{"RM 8/N87"});
    f = {};
    f.material = "3C95";
    EXPECT_EQ(Names(fb::Rank(kSet, fb::SortKey::Volume, f)), std::vector<std::string>{"E 25/3C95"});
    f = {};
    f.worksOnly = true;
    EXPECT_EQ(fb::Rank(kSet, fb::SortKey::Mass, f, 2).size(), 2u);
    EXPECT_EQ(fb::Rank(kSet, fb::SortKey::Mass, f).size(), 5u);
    EXPECT_EQ(fb::ParseSortKey("temperature"), fb::SortKey::TemperatureRise);
    EXPECT_FALSE(fb::ParseSortKey("Loss").has_value());
}

TEST(AdviserOutput, JsonInRankOrderWithNullForUnknown) {
    fb::SweepPrint print;
    print.top = 3;
    const auto j = nlohmann::json::parse(fb::SweepJson(kSet, print));
    ASSERT_EQ(j["candidates"].size(), 3u);
    const auto& first = j["candidates"][0];
    EXPECT_EQ(first["core"], "E 20");
    EXPECT_EQ(first["works"], true);
    EXPECT_DOUBLE_EQ(first["total_loss_W"].get<double>(), 0.10);
    EXPECT_TRUE(first["temperature_rise_K"].is_null());
    EXPECT_TRUE(first["copper_loss_W"].is_null());
    EXPECT_DOUBLE_EQ(first["volume_cm3"].get<double>(), 1.0);
    EXPECT_EQ(first["checks"][0]["severity"], "warning");
    // Each candidate's checks are the array the single design writes.
    EXPECT_EQ(first["checks"], nlohmann::json::parse(fb::CandidateChecksJson(kSet[1].checks)));
    EXPECT_EQ(first["checks"][0]["values"]["fill"], 0.5);

    print = {};
    print.worksOnly = true;
    print.sort = fb::SortKey::TemperatureRise;
    const std::string table = fb::SweepTable(kSet, print);
    EXPECT_EQ(table.find("E 10"), std::string::npos);
    EXPECT_LT(table.find("E 25 "), table.find("RM 8"));
    print.worksOnly = false;
    EXPECT_NE(fb::SweepTable(kSet, print).find("нет      0.050"), std::string::npos);
    EXPECT_NE(fb::SweepTable(kSet, print).find("Амплитуда индукции велика"), std::string::npos);
}

}  // namespace

namespace {

fb::SweepArgs Parse(std::vector<std::string> words, std::string& error) {
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    fb::SweepArgs args;
    for (int i = 0; i < static_cast<int>(argv.size()) && error.empty(); ++i)
        if (!fb::TakeSweepOption(static_cast<int>(argv.size()), argv.data(), i, args, error)) error = "other";
    if (error.empty()) error = fb::SweepArgsError(args);
    return args;
}

TEST(AdviserArguments, ValuesAndRefusals) {
    std::string error;
    const fb::SweepArgs a = Parse({"--sweep", "--top", "5", "--sort", "volume", "--works-only"}, error);
    EXPECT_EQ(error, "");
    EXPECT_TRUE(a.sweep);
    EXPECT_EQ(a.print.top, 5u);
    EXPECT_EQ(a.print.sort, fb::SortKey::Volume);
    EXPECT_TRUE(a.print.worksOnly);
    // Each refusal names what is wrong; none leaves a half-read value behind.
    const std::pair<std::vector<std::string>, std::string> bad[] = {
        {{"--sweep", "--top"}, "после --top нужно значение"},
        {{"--sweep", "--top", "0"}, "после --top нужно целое число больше 0, а не \"0\""},
        {{"--sweep", "--top", "-3"}, "после --top нужно целое число больше 0, а не \"-3\""},
        {{"--sweep", "--top", "99999999999999999999"},
         "после --top нужно целое число больше 0, а не \"99999999999999999999\""},
        {{"--sweep", "--sort", "price"}, "после --sort нужно loss, temperature, volume или mass, а не \"price\""},
        {{"--works-only"}, "--top, --sort и --works-only действуют только вместе с --sweep"},
        {{"--json"}, "other"},
    };
    for (const auto& [words, expected] : bad) {
        error.clear();
        Parse(words, error);
        EXPECT_EQ(error, expected) << words.back();
    }
}

}  // namespace
