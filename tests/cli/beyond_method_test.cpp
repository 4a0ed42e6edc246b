// What both tools print beyond the method: checks, analysis, the sweep, the warnings for what
// the window would do quietly, refusals, and output that is safe on a terminal. Run on a copy
// of the build's data root, so core files can be broken without touching the shipped ones.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "tests/support/process.h"
#include "tests/support/tempdir.h"

#if defined(FLYBACK_CALC_EXE) && defined(BOOSTCOIL_CALC_EXE)

namespace {

using Json = nlohmann::ordered_json;
namespace fs = std::filesystem;

struct ToolCase {
    const char* exe;
    const char* example;  // shipped, gap mode
    const char* core;
    const char* material;
    const char* numberKey;  // an input the report shows
    size_t buffer;          // the design reader's buffer
    // The first winding as the analysis builds it, and its DC resistance by hand:
    // R = 1.724e-8 Ω·m · (1 + 0.00393 (T − 20)) · N · MLT / (strands · π d² / 4), MLT from
    // CoreGeometry.txt, T the reported hot spot.
    //   flyback 12 V: 69 turns of 0.375 mm on E 25/13/7 (MLT 45.63 mm) at 63.31 °C → 0.5751 Ω
    //   PFC 150 W:    86 turns of 0.9 mm on ETD 39 (MLT 66.92 mm) at 52.86 °C   → 0.1761 Ω
    double turns, wire, mlt, rdc;
};

const ToolCase kTools[] = {
    {FLYBACK_CALC_EXE, "Flyback/Example 12V 3A adapter.sav", "E 25/13/7", "N87 Epcos", "Fconv", 100000, 69, 0.375,
     45.63, 0.5751},
    {BOOSTCOIL_CALC_EXE, "Boostcoil/Example 150W universal input.sav", "ETD 39", "N87 Epcos", "Fr", 10000, 86, 0.9,
     66.92, 0.1761},
};

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The design text with `key`'s value replaced (keys are written "key TAB = value CR LF").
std::string WithValue(std::string text, const std::string& key, const std::string& value) {
    const std::string head = "\n" + key + "\t= ";
    const size_t at = text.find(head);
    if (at == std::string::npos) return text;
    const size_t from = at + head.size();
    return text.replace(from, text.find('\r', from) - from, value);
}

bool HasWarning(const Json& j, const std::string& part) {
    for (const Json& w : j.at("warnings"))
        if (w.get<std::string>().find(part) != std::string::npos) return true;
    return false;
}

class BeyondMethod : public ::testing::TestWithParam<ToolCase> {
protected:
    void SetUp() override {
        for (const char* part : {"Wire.txt", "Ferrites_Materials", "Bases_Cores"})
            fs::copy(std::string(FB_ROOT_DIR) + "/" + part, root.file(part), fs::copy_options::recursive);
        example = ReadBytes(std::string(FB_ROOT_DIR) + "/" + GetParam().example);
    }
    fbtest::ProcessResult Run(const std::string& design, std::vector<std::string> args) {
        root.write("design.sav", design);
        args.insert(args.begin(), {GetParam().exe, "--data-root", root.path()});
        args.push_back(root.file("design.sav"));
        return fbtest::RunProcess(args);
    }
    Json RunJson(const std::string& design, std::vector<std::string> args = {}) {
        args.push_back("--json");
        const auto r = Run(design, args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return Json::parse(r.out, nullptr, false);
    }
    fbtest::TempDir root;
    std::string example;
};

TEST_P(BeyondMethod, ShippedExampleHasChecksAndAPlausibleAnalysis) {
    const ToolCase& t = GetParam();
    const Json j = RunJson(example);
    ASSERT_TRUE(j.is_object());
    EXPECT_TRUE(j.at("warnings").empty());
    for (const Json& c : j.at("checks")) EXPECT_NE(c.at("severity"), "error") << c;
    const Json& a = j.at("analysis");
    ASSERT_TRUE(a.at("valid").get<bool>());
    const Json& w = a.at("windings").at(0);
    EXPECT_EQ(w.at("turns").get<double>(), t.turns);
    EXPECT_DOUBLE_EQ(w.at("wire_mm").get<double>(), t.wire);
    const double T = a.at("hot_spot_C").get<double>();
    const double rdc =
        1.724e-8 * (1 + 0.00393 * (T - 20)) * t.turns * t.mlt * 1e-3 / (M_PI * std::pow(t.wire * 1e-3, 2) / 4);
    EXPECT_NEAR(w.at("Rdc_ohm").get<double>(), rdc, rdc * 1e-4);
    EXPECT_NEAR(w.at("Rdc_ohm").get<double>(), t.rdc, t.rdc * 1e-3);
    EXPECT_NEAR(a.at("total_loss_W").get<double>(),
                a.at("core_loss_W").get<double>() + a.at("copper_loss_W").get<double>(), 1e-5);
    EXPECT_GT(a.at("temperature_rise_K").get<double>(), 1);
    EXPECT_LT(a.at("temperature_rise_K").get<double>(), 40);
    EXPECT_NEAR(T - a.at("temperature_rise_K").get<double>(), 40, 2e-3);
    EXPECT_TRUE(a.at("fits").get<bool>());
    EXPECT_FALSE(a.at("figures").empty());
    // The options reach the analysis; the report ends with the three sections in order.
    EXPECT_NEAR(RunJson(example, {"--ambient", "25"}).at("analysis").at("ambient_C").get<double>(), 25, 1e-9);
    const std::string report = Run(example, {}).out;
    const size_t checks = report.find("\nПроверка\n"), losses = report.find("\nНамотка и потери\n");
    EXPECT_NE(checks, std::string::npos);
    EXPECT_LT(checks, report.find("\nДополнительные величины"));
    EXPECT_LT(report.find("\nДополнительные величины"), losses);
    EXPECT_NE(losses, std::string::npos);
}

// A ring cannot be gapped: an error check, which --strict turns into status 4.
TEST_P(BeyondMethod, GappedRingIsAnErrorAndFailsStrict) {
    const std::string ring = WithValue(WithValue(example, "core", "T 25/15/10"), "zazor", "0.5");
    const Json j = RunJson(ring);
    bool found = false;
    for (const Json& c : j.at("checks"))
        found = found || (c.at("rule") == "gap_on_toroid" && c.at("severity") == "error");
    EXPECT_TRUE(found) << j.at("checks");
    const auto strict = Run(ring, {"--strict", "--json"});
    EXPECT_EQ(strict.exitCode, 4);
    EXPECT_FALSE(strict.out.empty());
    EXPECT_EQ(Run(example, {"--strict"}).exitCode, 0);
}

TEST_P(BeyondMethod, SweepRanksAndMatchesTheSingleDesign) {
    const Json top = RunJson(example, {"--sweep", "--top", "5"});
    ASSERT_EQ(top.at("candidates").size(), 5u);
    for (size_t k = 1; k < 5; ++k) {
        const Json &a = top["candidates"][k - 1], &b = top["candidates"][k];
        EXPECT_TRUE(a["works"].get<bool>() >= b["works"].get<bool>());
        if (a["works"] == b["works"]) {
            EXPECT_LE(a["total_loss_W"].get<double>(), b["total_loss_W"].get<double>());
        }
    }
    const Json small = RunJson(example, {"--sweep", "--sort", "volume", "--works-only", "--top", "3"});
    ASSERT_EQ(small.at("candidates").size(), 3u);
    for (size_t k = 0; k < 3; ++k) {
        EXPECT_TRUE(small["candidates"][k]["works"].get<bool>());
        if (k > 0) {
            EXPECT_LE(small["candidates"][k - 1]["volume_cm3"].get<double>(),
                      small["candidates"][k]["volume_cm3"].get<double>());
        }
    }
    // The example's own pair, with the same loss options, gives the single design's numbers.
    const Json all = RunJson(example, {"--sweep", "--ambient", "25", "--tape-layers", "3"});
    const Json one = RunJson(example, {"--ambient", "25", "--tape-layers", "3"});
    bool found = false;
    for (const Json& c : all.at("candidates")) {
        if (c["core"] != GetParam().core || c["material"] != GetParam().material) continue;
        found = true;
        EXPECT_EQ(c["total_loss_W"], one["analysis"]["total_loss_W"]);
        EXPECT_EQ(c["temperature_rise_K"], one["analysis"]["temperature_rise_K"]);
        EXPECT_EQ(c["checks"], one["checks"]);
    }
    EXPECT_TRUE(found);
    const auto table = Run(example, {"--sweep", "--top", "2"});
    EXPECT_EQ(table.exitCode, 0);
    EXPECT_EQ(std::count(table.out.begin(), table.out.end(), '\n'), 3) << table.out;
}

// What the window does quietly is computed the same, but said: exit 0 with a warning, 4 under
// --strict.
TEST_P(BeyondMethod, StandInsAreWarnings) {
    const struct {
        std::string design;
        const char* says;
    } cases[] = {
        {WithValue(example, "mater", "N87 Epcrs"), "Материала \"N87 Epcrs\" нет"},
        {WithValue(example, "core", ""), "не указан сердечник"},
        {example + ";" + std::string(GetParam().buffer, 'x'), "длиннее, чем читает программа"},
        {example + "; \xd0\xba\xd0\xbe\xd0\xbc\xd0\xbc\xd0\xb5\xd0\xbd\xd1\x82\r\n", "UTF-8"},
        {"[INI_DATA]\r\nhello\r\n", "нет ни одного значения"},
    };
    for (const auto& c : cases) {
        const auto r = Run(c.design, {"--json"});
        EXPECT_EQ(r.exitCode, 0) << c.says << ": " << r.err;
        EXPECT_TRUE(HasWarning(Json::parse(r.out), c.says)) << r.out.substr(r.out.rfind("\"warnings\""));
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_EQ(Run(c.design, {"--strict"}).exitCode, 4) << c.says;
    }
    fs::create_directory(root.file("Bases_Cores/UserFerritesCores.txt"));  // cannot be read
    const Json j = RunJson(example);
    EXPECT_TRUE(HasWarning(j, "UserFerritesCores.txt")) << j.at("warnings");
}

TEST_P(BeyondMethod, WhatIsNoDesignOrHasNoCatalogueIsRefused) {
    const std::string utf16("\xff\xfe[\0I\0N\0I\0_\0D\0A\0T\0A\0]\0", 22);
    for (const std::string& design : {std::string(), std::string("root:x:0:0:root:/root:/bin/sh\n"), utf16}) {
        const auto r = Run(design, {"--json"});
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.out.empty());
        EXPECT_NE(r.err.find("[INI_DATA]"), std::string::npos) << r.err;
    }
    fs::remove(root.file("Bases_Cores/FerritesCores.txt"));
    fs::create_directory(root.file("Bases_Cores/FerritesCores.txt"));
    const auto r = Run(example, {});
    EXPECT_EQ(r.exitCode, 2);  // was 3, "not listed"
    EXPECT_NE(r.err.find("FerritesCores.txt\": это не обычный файл"), std::string::npos) << r.err;
}

TEST_P(BeyondMethod, BadLossOptionsAreRefused) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{{"--ambient", "warm"},
                                                                                      {"--ambient", "500"},
                                                                                      {"--tape-layers", "2.5"},
                                                                                      {"--margin", "-1"},
                                                                                      {"--top", "3"}}) {
        const auto r = Run(example, args);
        EXPECT_EQ(r.exitCode, 2) << args[0] << " " << args[1];
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

// An escape sequence, DEL and a C1 control from the design and its name never reach a terminal
// raw: replaced in the report, escaped in the JSON.
TEST_P(BeyondMethod, ControlCharactersAreReplacedOrEscaped) {
    const std::string value = "65\x7f\x98\x1b[2J";  // 0x98 reads as U+0098 from Windows-1251
    const std::string design = WithValue(example, GetParam().numberKey, value);
    root.write("x\x1b[2J.sav", design);
    for (const char* mode : {"--json", "--data-root"}) {
        std::vector<std::string> args = {GetParam().exe, "--data-root", root.path(), root.file("x\x1b[2J.sav")};
        if (std::string(mode) == "--json") args.insert(args.begin() + 1, mode);
        const auto r = fbtest::RunProcess(args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        for (const std::string& out : {r.out, r.err}) {
            EXPECT_EQ(out.find('\x1b'), std::string::npos) << out;
            EXPECT_EQ(out.find('\x7f'), std::string::npos);
            EXPECT_EQ(out.find("\xc2\x98"), std::string::npos);
        }
        if (std::string(mode) == "--json")
            EXPECT_EQ(Json::parse(r.out)["inputs"][GetParam().numberKey].get<std::string>().substr(0, 4), "65\x7f\xc2");
        else
            EXPECT_NE(r.out.find("65\xef\xbf\xbd\xef\xbf\xbd"), std::string::npos);
    }
}

// The clamper has no guard of its own: a ringing period of 0 gives an infinite leakage
// estimate, which is said once, with the fields' reason, naming the result.
TEST(FlybackClamper, ResultsThatAreNotFiniteAreSaid) {
    fbtest::TempDir dir;
    const std::string example = ReadBytes(std::string(FB_ROOT_DIR) + "/" + kTools[0].example);
    dir.write("d.sav", WithValue(example, "TL1", "0"));
    const auto r = fbtest::RunProcess({FLYBACK_CALC_EXE, "--data-root", FB_ROOT_DIR, "--json", dir.file("d.sav")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const Json j = Json::parse(r.out);
    EXPECT_EQ(j["clamper"]["results"]["1104"], "inf");
    ASSERT_EQ(j["warnings"].size(), 1u);
    EXPECT_NE(j["warnings"][0].get<std::string>().find("(Индуктивность рассеяния): при этих данных величина "
                                                       "получается бесконечной"),
              std::string::npos)
        << j["warnings"];
}

// Both tools mark a result that came out infinite the same way in "fields": its text as shown,
// no value, not valid, and why (flyback: the clamper's leakage estimate for a ringing period of 0;
// Boostcoil: the required inductance for a frequency of 0).
TEST_P(BeyondMethod, AnInfiniteResultHasNoValueInTheFields) {
    const bool flyback = std::string(GetParam().exe) == FLYBACK_CALC_EXE;
    const Json j = RunJson(WithValue(example, flyback ? "TL1" : "Fr", "0"));
    const Json id = flyback ? Json("clamper.1104") : Json(1060);
    const auto field = std::find_if(j["fields"].begin(), j["fields"].end(),
                                    [&](const Json& f) { return f.contains("id") && f["id"] == id; });
    ASSERT_NE(field, j["fields"].end()) << id;
    EXPECT_EQ((*field)["text"], "inf");
    EXPECT_TRUE((*field)["value"].is_null());
    EXPECT_FALSE((*field)["valid"].get<bool>());
    EXPECT_FALSE((*field)["why"].get<std::string>().empty());
}

INSTANTIATE_TEST_SUITE_P(BothTools, BeyondMethod, ::testing::ValuesIn(kTools),
                         [](const auto& info) { return std::string(info.index == 0 ? "Flyback" : "Boostcoil"); });

}  // namespace

#endif
