// What both command-line tools share: options, usage, exit statuses, the checked output and
// the "fields" array, run on the shipped examples of the build's data root.
#include <gtest/gtest.h>
#include <algorithm>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "common/cli/calctool.h"
#include "tests/cli/clitest.h"
#include "tests/support/process.h"

#if defined(FLYBACK_CALC_EXE) && defined(BOOSTCOIL_CALC_EXE)

namespace {

using Json = nlohmann::ordered_json;

struct ToolCase {
    const char* exe;
    const char* name;
    const char* example;  // a shipped design, relative to the data root
    // Figures read off the example file by hand: one input with its caption and unit.
    const char* key;
    const char* caption;
    const char* unit;
    double value;
};

const ToolCase kTools[] = {
    {FLYBACK_CALC_EXE, "flyback-calc", "Flyback/Example 12V 3A adapter.sav", "Fconv", "Частота преобразования, кГц",
     "кГц", 65},
    {BOOSTCOIL_CALC_EXE, "boostcoil-calc", "Boostcoil/Example 75W PQ core AL.sav", "zazor",
     "Индуктивность сердечника (AL), нГн/виток^2", "нГн/виток^2", 250},
};

class CalcFamily : public ::testing::TestWithParam<ToolCase> {
protected:
    fbtest::ProcessResult Run(std::vector<std::string> args) {
        args.insert(args.begin(), GetParam().exe);
        return fbtest::RunProcess(args);
    }
    std::string Example() const { return std::string(FB_ROOT_DIR) + "/" + GetParam().example; }
};

TEST_P(CalcFamily, HelpExitsZeroWithTheUsage) {
    const auto r = Run({"--help"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.rfind(std::string("использование: ") + GetParam().name, 0), 0u) << r.out;
    EXPECT_NE(r.out.find("--strict"), std::string::npos);
    EXPECT_TRUE(r.err.empty()) << r.err;
}

TEST_P(CalcFamily, HelpInEnglishHoldsNoRussian) {
    const auto r = Run({"--lang", "en", "--help"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.rfind(std::string("usage: ") + GetParam().name, 0), 0u) << r.out;
    EXPECT_EQ(r.out.find_first_of("\xD0\xD1\xD2\xD3"), std::string::npos) << r.out;  // Cyrillic lead bytes
    EXPECT_NE(r.out.find("(40 by default)"), std::string::npos) << r.out;            // a default filled in
}

TEST_P(CalcFamily, SameStatusForTheSameCause) {
    EXPECT_EQ(Run({"--frobnicate", Example()}).exitCode, 2);
    EXPECT_EQ(Run({Example(), "--data-root"}).exitCode, 2);
    EXPECT_EQ(Run({Example(), Example()}).exitCode, 2);
    const auto noFile = Run({"--data-root", FB_ROOT_DIR, "/nonexistent/design.sav"});
    EXPECT_EQ(noFile.exitCode, 2);
    EXPECT_EQ(noFile.err.rfind(std::string(GetParam().name) + ": ", 0), 0u) << noFile.err;
    EXPECT_EQ(Run({"--data-root", FB_ROOT_DIR, "--strict", Example()}).exitCode, 0);  // no warnings yet
}

// A full disk must not pass for a printed result: the old tools flushed but did not check
// the close, so only a close that fails would have slipped through.
TEST_P(CalcFamily, UnwritableOutputIsStatusTwo) {
    const std::string command =
        std::string("'") + GetParam().exe + "' --data-root '" + FB_ROOT_DIR + "' '" + Example() + "' > /dev/full";
    const auto r = fbtest::RunProcess({"/bin/sh", "-c", command});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("не удалось вывести результат"), std::string::npos) << r.err;
}

TEST_P(CalcFamily, FieldsNameEveryInputAndResult) {
    const auto r = Run({"--data-root", FB_ROOT_DIR, "--json", Example()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const Json j = Json::parse(r.out);
    const Json& fields = j.at("fields");
    size_t inputs = 0, results = 0;
    bool found = false;
    for (const Json& f : fields) {
        EXPECT_TRUE(f.contains("caption") && f.contains("unit") && f.contains("text") && f.contains("value")) << f;
        if (f.contains("key")) {
            ++inputs;
            EXPECT_FALSE(f["caption"].get<std::string>().empty()) << f;
            const std::string key = f["key"];
            if (j["inputs"].contains(key)) EXPECT_EQ(f["text"], j["inputs"][key]) << key;
            if (key == GetParam().key) {
                found = true;
                EXPECT_EQ(f["caption"], GetParam().caption);
                EXPECT_EQ(f["unit"], GetParam().unit);
                EXPECT_DOUBLE_EQ(f["value"].get<double>(), GetParam().value);
            }
        } else if (f["id"].is_string()) {  // "clamper.N": a result of the clamper window
            const std::string id = f["id"].get<std::string>().substr(8);
            EXPECT_EQ(f["text"], j["clamper"]["results"].at(id)) << id;
        } else {
            ++results;
            const std::string id = std::to_string(f["id"].get<int>());
            EXPECT_EQ(f["text"], j["results"].at(id)) << id;
            if (id != "1082" && id != "1055") EXPECT_FALSE(f["caption"].get<std::string>().empty()) << id;
        }
    }
    EXPECT_TRUE(found);
    EXPECT_GE(inputs, j["inputs"].size());
    EXPECT_EQ(results, j["results"].size());
    EXPECT_TRUE(j.at("warnings").is_array());
}

// --lang en: the captions and units in English, the numbers and the JSON keys as in Russian;
// an unknown language stops like any bad option.
TEST_P(CalcFamily, EnglishReportKeepsNumbersAndKeys) {
    const auto ru = Run({"--data-root", FB_ROOT_DIR, Example()});
    const auto en = Run({"--data-root", FB_ROOT_DIR, "--lang", "en", Example()});
    ASSERT_EQ(en.exitCode, 0) << en.err;
    EXPECT_EQ(Run({"--data-root", FB_ROOT_DIR, "--lang", "ru", Example()}).out, ru.out);
    EXPECT_NE(en.out.find("Switching frequency"), std::string::npos) << en.out;
    // No Russian left in the example's report and checks (Cyrillic letters lead with D0..D3).
    EXPECT_EQ(en.out.find_first_of("\xD0\xD1\xD2\xD3"), std::string::npos) << en.out;
    // The same lines with the same numbers in them.
    EXPECT_EQ(std::count(en.out.begin(), en.out.end(), '\n'), std::count(ru.out.begin(), ru.out.end(), '\n'));
    const Json ruJson = Json::parse(Run({"--data-root", FB_ROOT_DIR, "--json", Example()}).out);
    const Json enJson = Json::parse(Run({"--data-root", FB_ROOT_DIR, "--json", "--lang", "en", Example()}).out);
    std::vector<std::string> ruKeys, enKeys;
    for (const auto& [k, v] : ruJson.items()) ruKeys.push_back(k);
    for (const auto& [k, v] : enJson.items()) enKeys.push_back(k);
    EXPECT_EQ(enKeys, ruKeys);
    EXPECT_EQ(Run({"--lang", "de", Example()}).exitCode, 2);
    EXPECT_EQ(Run({Example(), "--lang"}).exitCode, 2);
}

// Every way a tool cannot start, on a copy of the shipped data: status 2, nothing on stdout,
// one line on stderr; a missing wire table is named.
TEST_P(CalcFamily, CannotStartGivesStatusTwoAndOneLine) {
    namespace fs = std::filesystem;
    fbtest::TempDir dir;
    for (const char* part : {"Wire.txt", "Bases_Cores", "Ferrites_Materials"})
        fs::copy(std::string(FB_ROOT_DIR) + "/" + part, dir.file(part), fs::copy_options::recursive);
    const std::string design = dir.file("design.sav");
    fs::copy_file(Example(), design);
    auto refused = [&](std::vector<std::string> args, const char* what) { clitest::ExpectRefused(Run(args), 2, what); };
    refused({"--data-root", dir.path(), "--json", dir.file("nothing.sav")}, "missing design file");
    refused({"--data-root", dir.path(), "--json", dir.file("Bases_Cores")}, "a folder as design file");
    refused({"--json"}, "no file");
    refused({"--data-root", dir.path(), "--json"}, "no file after the root");
    refused({"--data-root"}, "a root without value");
    refused({"--bogus", design}, "unknown option");
    refused({design, "--data-root"}, "option without value");
    refused({"a.sav", "b.sav"}, "two files");
    refused({"--data-root", dir.path(), "a.sav", "b.sav"}, "two files after the root");

    // No material file: first every file renamed, then the folder gone.
    const fs::path materials = dir.file("Ferrites_Materials");
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(materials)) files.push_back(e.path());
    for (const fs::path& f : files) fs::rename(f, fs::path(f).replace_extension(".dat"));
    refused({"--data-root", dir.path(), "--json", design}, "no material file");
    fs::remove_all(materials);
    refused({"--data-root", dir.path(), "--json", design}, "no material folder");

    fs::remove(dir.file("Wire.txt"));
    const auto r = Run({"--data-root", dir.path(), "--json", design});
    clitest::ExpectRefused(r, 2, "no wire table");
    EXPECT_NE(r.err.find("Wire.txt"), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(BothTools, CalcFamily, ::testing::ValuesIn(kTools), [](const auto& info) {
    return std::string(info.param.name[0] == 'f' ? "Flyback" : "Boostcoil");
});

}  // namespace

#endif

// Texts as the window shows them, and whether a script may take them as numbers.
TEST(FieldValue, ReadsWholeNumbersOnly) {
    struct Case {
        const char* text;
        bool number;
        double value;
    };
    const Case cases[] = {{"12.5", true, 12.5},  {"0,25", true, 0.25}, {" 3 ", true, 3},      {"-0.8", true, -0.8},
                          {"1e-3", true, 0.001}, {"", false, 0},       {"12 x 2", false, 0},  {"inf", false, 0},
                          {"nan", false, 0},     {"1e400", false, 0},  {"0.3 x 2", false, 0}, {"мкГн", false, 0}};
    for (const Case& c : cases) {
        double v = 0;
        EXPECT_EQ(fb::cli::NumberOf(c.text, v), c.number) << c.text;
        if (c.number) EXPECT_DOUBLE_EQ(v, c.value) << c.text;
    }
}

// Both programs mark a value that came out infinite or undefined the same way.
TEST(FieldValue, InfiniteOrUndefinedTextsAreInvalid) {
    for (const char* text : {"inf", "-inf", "nan", "-nan", "inf x 2"}) {
        const auto f = fb::cli::FieldEntry("id", 1082, "c", "u", text);
        EXPECT_FALSE(f["valid"].get<bool>()) << text;
        EXPECT_EQ(f["why"], fb::cli::kNotFiniteWhy) << text;
        EXPECT_TRUE(f["value"].is_null()) << text;
    }
    for (const char* text : {"", "0.25", "12 x 2", "E 25/13/7"}) {
        const auto f = fb::cli::FieldEntry("key", "k", "c", "u", text);
        EXPECT_TRUE(f["valid"].get<bool>()) << text;
        EXPECT_FALSE(f.contains("why")) << text;
    }
}
