// Runs the built flyback-calc on data roots written here and reads its JSON.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <set>

#include "common/data/corebase.h"
#include "common/data/material.h"
#include "common/data/numbers.h"
#include "common/data/textfile.h"
#include "common/data/wiretable.h"
#include "flyback/clamper/clamper.h"
#include "flyback/design/flyback.h"
#include "tests/cli/clitest.h"
#include "tests/support/designdata.h"
#include "tests/support/process.h"
#include "tests/support/tempdir.h"

#ifdef FLYBACK_CALC_EXE

using namespace fb;
using clitest::Json;
namespace fs = std::filesystem;

namespace {

const char* const kWire =
    "d1 = 0.05\r\ndiz1 = 0.06\r\nd2 = 0.1\r\ndiz2 = 0.12\r\nd3 = 0.2\r\ndiz3 = 0.23\r\nd4 = 0.3\r\ndiz4 = 0.34\r\n"
    "d5 = 0,4\r\ndiz5 = 0,45\r\nd6 = 0.5\r\ndiz6 = 0.56\r\nd7 = 0.8\r\ndiz7 = 0.87\r\nd8 = 1\r\ndiz8 = 1.08\r\n";

// The second core has a tiny window, so its design warns about the fill factor.
const char* const kCores =
    "[E 25/13/7]\r\nAe = 51.84\r\nAn = 95.32\r\nle = 57.76\r\nmu = 1616\r\n\r\n"
    "[E 30/15/7]\r\nAe = 60\r\nAn = 4\r\nle = 67\r\nmu = 1700\r\nk1 = 25.62\r\nk2 = -0.788\r\n\r\n"
    "[ETD 29]\r\nAe = 76\r\nAn = 97\r\nle = 70.4\r\nmu = 1600\r\n";

const char* const kN87 =
    "Bmax = 0.31\r\nBmmax = 0.19\r\nmu = 2200\r\n\r\n[Flux density]\r\nB1 = 50\r\nB2 = 100\r\nB3 = 200\r\n\r\n"
    "[Frequencies]\r\nF1 = 25\r\nF2 = 100\r\nF3 = 300\r\n\r\n"
    "[F_25]\r\nB_50 = 1.2\r\nB_100 = 7.5\r\nB_200 = 59.7\r\n\r\n"
    "[F_100]\r\nB_50 = 7.6\r\nB_100 = 53.2\r\nB_200 = 381.2\r\n\r\n"
    "[F_300]\r\nB_50 = 70.9\r\nB_100 = 383.1\r\nB_200 = 2311\r\n";

class FlybackCalc : public clitest::ToolTest {
protected:
    FlybackCalc() : ToolTest(FLYBACK_CALC_EXE) {}
    void SetUp() override {
        dir.write("Wire.txt", kWire);
        dir.write("Bases_Cores/FerritesCores.txt", kCores);
        dir.write("Ferrites_Materials/N87 Epcos.txt", kN87);
        WriteDesign("design.sav", FlybackInput{});
    }

    void WriteDesign(const std::string& rel, const FlybackInput& in) {
        ASSERT_TRUE(FlybackDesignFile().Write(dir.file(rel), in).ok);
    }

    // The window's road without the tool: load everything and run the design once.
    FlybackOutcome DesignDirectly(FlybackInput in, const std::string& material = "N87 Epcos") {
        CWireTable wires;
        EXPECT_TRUE(wires.Load(dir.path(), kBigBuffer));
        CMaterial mat;
        CoreRecord core;
        EXPECT_TRUE(fbtest::LoadMaterialAndCore(dir.path(), material, in.core, kBigBuffer, kBigBuffer, mat, core));
        return DesignFlyback(in, core, mat, wires);
    }

    static void ExpectSameAsDirect(const Json& j, const FlybackOutcome& o) {
        for (int id : FlybackResultControls()) {
            const auto it = o.results.find(id);
            EXPECT_EQ(j["results"][FormatInt(id)], it == o.results.end() ? "" : it->second) << id;
        }
        EXPECT_EQ(j["results"].size(), FlybackResultControls().size());
        for (int id : FlybackTooltipTools()) EXPECT_EQ(j["tooltips"][FormatInt(id)], o.tooltips.at(id)) << id;
        for (int id : {ctl::kLpUnit, ctl::kRequiredCaption, ctl::kRequiredUnit})
            EXPECT_EQ(j["labels"][FormatInt(id)], o.labels.at(id)) << id;
        for (const KeyField<FlybackInput>& f : FlybackKeyTable()) EXPECT_EQ(j["inputs"][f.key], f.ValueText(o.input));
    }
};

}  // namespace

TEST_F(FlybackCalc, JsonMatchesTheDesignRunDirectly) {
    const std::set<std::string> before = Files();
    const Json j = Parse(RunJson("design.sav"));
    ASSERT_TRUE(j.is_object());

    // Keys in the contract's order; inputs in key-table order.
    EXPECT_EQ(clitest::Keys(j),
              (std::vector<std::string>{"inputs", "core", "material", "results", "labels", "tooltips", "messages",
                                        "clamper", "fields", "checks", "analysis", "warnings"}));
    const std::vector<std::string> keys = clitest::Keys(j["inputs"]);
    ASSERT_EQ(keys.size(), FlybackKeyTable().size());
    for (size_t k = 0; k < keys.size(); ++k) EXPECT_EQ(keys[k], FlybackKeyTable()[k].key);

    const FlybackOutcome o = DesignDirectly(FlybackInput{});
    ASSERT_TRUE(o.computed);
    ExpectSameAsDirect(j, o);
    EXPECT_EQ(j["inputs"]["zazor"], o.input.zazor);
    EXPECT_EQ(j["inputs"]["setevoe"], "0");
    EXPECT_NE(j["inputs"]["w1"], "");  // results written back for the design file
    EXPECT_EQ(j["material"], "N87 Epcos");
    EXPECT_EQ(j["core"]["name"], "E 25/13/7");
    EXPECT_EQ(j["core"]["shape"], 0);
    EXPECT_EQ(j["core"]["Ae"], "51.84");
    EXPECT_EQ(j["core"]["Ve"], "2.994");
    EXPECT_EQ(j["core"]["k1"], 0.0);
    EXPECT_TRUE(j["messages"].is_array());
    EXPECT_EQ(j["messages"].size(), o.messages.size());

    // Nothing written: no settings file, no user core file.
    EXPECT_EQ(Files(), before);
    EXPECT_FALSE(dir.exists("Bases_Cores/UserFerritesCores.txt"));
}

TEST_F(FlybackCalc, ClamperOpensOnTheDesignsResults) {
    FlybackInput in;
    in.Ls = "12,5";
    in.TL1 = "2";
    WriteDesign("design.sav", in);
    const Json j = Parse(RunJson("design.sav"));
    const Json& c = j["clamper"]["inputs"];
    EXPECT_EQ(c["Urefl"], j["results"]["1122"]);
    EXPECT_EQ(c["L1"], j["results"]["1102"]);
    EXPECT_EQ(c["L1unit"], j["labels"]["1144"]);
    EXPECT_EQ(c["Ipk"], j["results"]["1093"]);
    EXPECT_EQ(c["Fconv"], j["inputs"]["Fconv"]);
    EXPECT_EQ(c["Ls"], "12.5");
    EXPECT_EQ(c["TL1"], "2");
    EXPECT_EQ(c["TLs"], "0.18");
    EXPECT_NE(c["L1"], "");

    // The same numbers through the clamper calculations themselves.
    ClamperInput ci;
    for (const ClamperField& f : ClamperFields()) ci.*f.text = c[f.name].get<std::string>();
    ci.Cclamp.clear();
    ClamperResult expected;
    EstimateLeakage(ci, expected);
    CalculateClamper(ci, expected);
    EXPECT_EQ(c["Cclamp"], ci.Cclamp);
    for (const auto& [id, text] : ClamperResultTexts(ci, expected))
        EXPECT_EQ(j["clamper"]["results"][FormatInt(id)], text);
    EXPECT_EQ(j["clamper"]["results"]["1086"], c["Cclamp"]);
    EXPECT_EQ(j["clamper"]["results"].size(), 8u);
}

TEST_F(FlybackCalc, MessagesComeInTheWindowsOrder) {
    // No catalogue: the core comes from the user file, the start-up warning comes first.
    const std::string catalogue = dir.read("Bases_Cores/FerritesCores.txt");
    fs::remove(dir.file("Bases_Cores/FerritesCores.txt"));
    dir.write("Bases_Cores/UserFerritesCores.txt", catalogue.substr(catalogue.find("[E 30/15/7]")));
    FlybackInput in;
    in.core = "E 30/15/7";
    WriteDesign("design.sav", in);
    const Json j = Parse(RunJson("design.sav"));
    const FlybackOutcome o = DesignDirectly(in);
    ExpectSameAsDirect(j, o);
    ASSERT_EQ(j["messages"].size(), o.messages.size() + 1);
    EXPECT_EQ(j["messages"][0]["caption"], "Внимание!");
    EXPECT_NE(j["messages"][0]["text"].get<std::string>().find("FerritesCores.txt"), std::string::npos);
    for (size_t k = 0; k < o.messages.size(); ++k) {
        EXPECT_EQ(j["messages"][k + 1]["caption"], o.messages[k].caption);
        EXPECT_EQ(j["messages"][k + 1]["text"], o.messages[k].text);
    }
    bool windowWarning = false;
    for (const Message& m : o.messages) windowWarning |= m.text.find("заполнения окна") != std::string::npos;
    EXPECT_TRUE(windowWarning);
    EXPECT_EQ(j["core"]["k2"], -0.788);
}

TEST_F(FlybackCalc, MaterialAndCoreAreChosenAsAtStartUp) {
    dir.write("Ferrites_Materials/A Test.txt", kN87);
    FlybackInput in;
    in.mater = "n87";
    in.core = "ETD";  // the shape comes from the name, the entry from its beginning
    WriteDesign("prefix.sav", in);
    Json j = Parse(RunJson("prefix.sav"));
    EXPECT_EQ(j["inputs"]["mater"], "N87 Epcos");
    EXPECT_EQ(j["material"], "N87 Epcos");
    EXPECT_EQ(j["inputs"]["core"], "ETD 29");
    EXPECT_EQ(j["core"]["shape"], 3);

    in.mater = "";
    WriteDesign("empty.sav", in);
    EXPECT_EQ(Parse(RunJson("empty.sav"))["material"], "N87 Epcos");

    in.mater = "Missing";
    WriteDesign("missing.sav", in);
    j = Parse(RunJson("missing.sav"));
    EXPECT_EQ(j["material"], "A Test");
    EXPECT_EQ(j["inputs"]["mater"], "A Test");
}

TEST_F(FlybackCalc, UsenseOptionReachesTheDesign) {
    const Json one = Parse(RunJson("design.sav"));
    const Json two = Parse(RunJson("design.sav", {"--usense", "2,0"}));
    FlybackInput in;
    in.Usense = "2,0";
    const FlybackOutcome o = DesignDirectly(in);
    EXPECT_EQ(two["results"]["1111"], o.results.at(ctl::kRsense));
    EXPECT_NE(one["results"]["1111"], two["results"]["1111"]);
    EXPECT_EQ(two["inputs"].size(), FlybackKeyTable().size());  // Usense is not a file key
}

TEST_F(FlybackCalc, UnknownCoreGivesStatusThreeAndRunsNothing) {
    FlybackInput in;
    in.core = "E 99/99/99";
    WriteDesign("unknown.sav", in);
    const std::set<std::string> before = Files();
    const auto r = RunJson("unknown.sav");
    EXPECT_EQ(r.exitCode, 3) << r.err;
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("E 99/99/99"), std::string::npos);
    EXPECT_EQ(Files(), before);
}

TEST_F(FlybackCalc, DamagedFilesAndAbsurdInputsStillGiveValidJson) {
    const std::vector<std::string> designs = {
        "",                                      // empty file and UTF-16 garbage: no design
        std::string("\xff\xfe\x00garbage", 10),  // section, so these two are refused (status 2)
        "[INI_DATA]\r\ncore\t= E 25\r\nFconv = 1e400\r\nUmin = -5\r\nzazor = nan\r\n",
        "[INI_DATA]\r\ncore = E 25\r\nyes_al = 1\r\nzazor = 0\r\nU21 = 0\r\nFconv = 0,000001\r\n",
        "[INI_DATA]\r\ncore = E 30\r\nyes_al = 1\r\nzazor = 1e300\r\nsetevoe = 1\r\nAuto = 1\r\nU21 = 1e-300\r\n",
        "[INI_DATA]\r\ncore = E 25\r\nUmin = 200\r\nUnom = 200\r\nUmax = 200\r\nU21 = 5\r\nI21 = 1e30\r\n"
        "Ud1 = -5\r\nj = 1e-300\r\nyes_d = 1\r\nd11 = 99\r\nFconv = 100\r\nIccm = 99\r\n",
        "[INI_DATA]\r\ncore = E 25\r\nmater = \xcd\x38\x37\r\nTL1 = 0\r\nLs = -1\r\nCeq = 1e308\r\nUclamp = \xe0\xe1\r\n",
    };
    // A material whose file name is not UTF-8 must not break the output either.
    dir.write("Ferrites_Materials/\xcd\x38\x37.txt", kN87);
    for (size_t k = 0; k < designs.size(); ++k) {
        dir.write("damaged.sav", designs[k]);
        const auto r = RunJson("damaged.sav");
        ASSERT_FALSE(r.timedOut) << k;
        if (k < 2) {
            EXPECT_EQ(r.exitCode, 2) << k << ": " << r.err;
            continue;
        }
        ASSERT_EQ(r.exitCode, 0) << k << ": " << r.err;
        const Json j = Json::parse(r.out, nullptr, false);
        ASSERT_FALSE(j.is_discarded()) << k << ": " << r.out;
        EXPECT_EQ(j["results"].size(), FlybackResultControls().size()) << k;
        EXPECT_EQ(j["clamper"]["results"].size(), 8u) << k;
    }
}

TEST_F(FlybackCalc, ReportFollowsTheFormsGroups) {
    const auto r = Run({"--data-root", dir.path(), dir.file("design.sav")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const Json j = Parse(RunJson("design.sav"));
    const std::string& t = r.out;
    size_t last = 0;
    for (const char* heading : {"Входные данные", "Сердечник", "Результаты расчета", "Расчет RCD клампера",
                                "Расчет индуктивности рассеяния", "Сообщения"}) {
        const size_t at = t.find(heading, last);
        ASSERT_NE(at, std::string::npos) << heading;
        last = at;
    }
    EXPECT_NE(t.find(j["results"]["1122"].get<std::string>() + " В"), std::string::npos);
    EXPECT_NE(t.find("Амплитуда тока транзистора:"), std::string::npos);
}

TEST_F(FlybackCalc, DataRootDefaultsToTheFolderAboveTheProgram) {
    fs::create_directories(dir.file("Flyback"));
    const std::string copy = dir.file("Flyback/flyback-calc");
    fs::copy_file(FLYBACK_CALC_EXE, copy);
    fs::permissions(copy, fs::perms::owner_all);
    const auto r = fbtest::RunProcess({copy, "--json", dir.file("design.sav")});
    EXPECT_EQ(Parse(r)["material"], "N87 Epcos");
    EXPECT_FALSE(dir.exists("Flyback/Flyback.ini"));
    fs::remove(dir.file("Wire.txt"));
    EXPECT_EQ(fbtest::RunProcess({copy, "--json", dir.file("design.sav")}).exitCode, 2);
}

#else

TEST(FlybackCalc, NotBuilt) { GTEST_SKIP() << "flyback-calc is not part of this build"; }

#endif
