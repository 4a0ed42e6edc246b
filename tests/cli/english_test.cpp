// --lang en of both tools on a handful of designs, the shipped ones and ones changed so that
// many checks fire (errors and warnings), the clamper included: the text report, the JSON's
// texts ("checks", "analysis", "messages", "warnings"), stderr and the --report HTML hold no
// Cyrillic letter. The same designs in Russian keep their JSON keys and numbers.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <set>

#include "tests/support/process.h"
#include "tests/support/tempdir.h"

#if defined(FLYBACK_CALC_EXE) && defined(BOOSTCOIL_CALC_EXE)

namespace {

using Json = nlohmann::ordered_json;

struct Design {
    const char* exe;
    const char* example;                                       // under the data root
    std::vector<std::pair<const char*, const char*>> changes;  // key, value written into a copy
};

// Each change is chosen for what it makes fire (read off the rules' thresholds):
const Design kDesigns[] = {
    {FLYBACK_CALC_EXE, "Flyback/Example 12V 3A adapter.sav", {}},
    // 10 A at 12 V on a 13 mm core: the gap it needs is refused, with its figures in the message.
    {FLYBACK_CALC_EXE, "Flyback/Example 12V 3A adapter.sav", {{"core", "E 13/7/4"}, {"I21", "10"}}},
    // DC input at 400 kHz with a 5 mm gap: DC capacitor, loss table left, gap, losses, temperature.
    {FLYBACK_CALC_EXE,
     "Flyback/Example 24V 60W auxiliary winding.sav",
     {{"setevoe", "0"}, {"Fconv", "400"}, {"zazor", "5"}}},
    // The engine's guard stops the run: a message and "not computed".
    {FLYBACK_CALC_EXE, "Flyback/Example 5V 2A charger.sav", {{"Fconv", "0"}}},
    // A gap corrected upwards: the method's message with its value.
    {FLYBACK_CALC_EXE, "Flyback/Example 5V 2A charger.sav", {{"zazor", "0.01"}}},
    {BOOSTCOIL_CALC_EXE, "Boostcoil/Example 150W universal input.sav", {}},
    // 300 V out is below the 375 V crest of 265 V and below U2min; 2 kW on the same core: fill,
    // build-up, temperature, trip flux.
    {BOOSTCOIL_CALC_EXE, "Boostcoil/Example 150W universal input.sav", {{"U2nom", "300"}, {"P2", "2000"}}},
    // No hold-up drop allowed, 20 kHz: hold-up error, ripple and loss-table warnings.
    {BOOSTCOIL_CALC_EXE, "Boostcoil/Example 75W PQ core AL.sav", {{"U2min", "400"}, {"Fr", "20"}}},
};

// Cyrillic letters are U+0400…U+04FF: lead bytes D0…D3 in UTF-8.
std::string CyrillicLine(const std::string& text) {
    const size_t at = text.find_first_of("\xD0\xD1\xD2\xD3");
    if (at == std::string::npos) return "";
    const size_t from = text.rfind('\n', at), to = text.find('\n', at);
    return text.substr(from == std::string::npos ? 0 : from + 1,
                       to == std::string::npos ? std::string::npos : to - from);
}

// The example with `key = value` lines replaced (the keys are ASCII, so are the values).
std::string Changed(const std::string& bytes, const Design& d) {
    std::string out = bytes;
    for (const auto& [key, value] : d.changes) {
        const std::string head = std::string("\n") + key + "\t= ";
        const size_t at = out.find(head);
        EXPECT_NE(at, std::string::npos) << key;
        if (at == std::string::npos) continue;
        const size_t end = out.find_first_of("\r\n", at + head.size());
        out.replace(at + head.size(), end - at - head.size(), value);
    }
    return out;
}

fbtest::ProcessResult RunEnglish(const Design& d, const std::string& file, std::vector<std::string> extra) {
    std::vector<std::string> args = {d.exe, "--data-root", FB_ROOT_DIR, "--lang", "en"};
    args.insert(args.end(), extra.begin(), extra.end());
    args.push_back(file);
    return fbtest::RunProcess(args, 120);
}

TEST(EnglishOutputs, NoRussianLeftInReportsChecksAndMessages) {
    fbtest::TempDir dir;
    std::set<std::string> severities, rules;
    bool clamper = false, message = false;
    int n = 0;
    for (const Design& d : kDesigns) {
        const std::string file = dir.file("design" + std::to_string(++n) + ".sav");
        std::ifstream in(std::string(FB_ROOT_DIR) + "/" + d.example, std::ios::binary);
        dir.write("design" + std::to_string(n) + ".sav",
                  Changed(std::string(std::istreambuf_iterator<char>(in), {}), d));
        SCOPED_TRACE(std::to_string(n) + ": " + d.example);

        const fbtest::ProcessResult text = RunEnglish(d, file, {});
        EXPECT_EQ(CyrillicLine(text.out), "");
        EXPECT_EQ(CyrillicLine(text.err), "");
        const fbtest::ProcessResult json = RunEnglish(d, file, {"--json"});
        const Json j = Json::parse(json.out);
        for (const char* key : {"checks", "analysis", "messages", "warnings"})
            EXPECT_EQ(CyrillicLine(j.at(key).dump(-1, ' ', false)), "") << key;
        // The method's texts too; only what the file holds (inputs, names) stays as written.
        for (const char* key : {"results", "labels", "tooltips"})
            EXPECT_EQ(CyrillicLine(j.at(key).dump(-1, ' ', false)), "") << key;
        for (const Json& f : j.at("fields"))
            EXPECT_EQ(CyrillicLine(f.at("caption").get<std::string>() + " " + f.at("unit").get<std::string>()), "")
                << f.dump();
        for (const Json& c : j.at("checks")) severities.insert(c.at("severity")), rules.insert(c.at("rule"));
        message = message || !j.at("messages").empty();

        const std::string html = dir.file("report" + std::to_string(n) + ".html");
        const fbtest::ProcessResult report = RunEnglish(d, file, {"--report", html});
        ASSERT_EQ(report.exitCode, 0) << report.err;
        const std::string page = dir.read("report" + std::to_string(n) + ".html");
        EXPECT_EQ(CyrillicLine(page), "");
        EXPECT_NE(page.find("<html lang=\"en\">"), std::string::npos);
        clamper = clamper || page.find("RCD clamper") != std::string::npos;
    }
    // The designs above reach what they were chosen for.
    EXPECT_TRUE(severities.count("error") && severities.count("warning") && severities.count("note"));
    for (const char* rule : {"not_computed", "gap_fringing_range", "window_fill", "dc_input_capacitor",
                             "loss_extrapolated", "pfc_output_below_peak", "pfc_holdup_voltage", "temperature_rise",
                             "build_not_fit", "current_limit_headroom", "ac_resistance_ratio", "pfc_ripple_worst"})
        EXPECT_TRUE(rules.count(rule)) << rule;
    EXPECT_GE(rules.size(), 12u);
    EXPECT_TRUE(clamper);
    EXPECT_TRUE(message);
}

}  // namespace

#endif
