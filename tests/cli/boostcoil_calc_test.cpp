// Runs the built boostcoil-calc on data roots written here and reads its JSON.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <set>

#include "boostcoil/design/pfckeys.h"
#include "common/data/numbers.h"
#include "common/data/textfile.h"
#include "tests/boostcoil/design/pfctestdata.h"
#include "tests/cli/clitest.h"
#include "tests/support/designdata.h"
#include "tests/support/process.h"
#include "tests/support/tempdir.h"

#ifdef BOOSTCOIL_CALC_EXE

using namespace fb;
using clitest::ExpectRefused;
using clitest::Json;
namespace fs = std::filesystem;

namespace {

class BoostcoilCalc : public clitest::ToolTest {
protected:
    BoostcoilCalc() : ToolTest(BOOSTCOIL_CALC_EXE) {}
    void SetUp() override {
        pfctest::WriteDataRoot(dir);
        WriteDesign("Boostcoil/design.sav", PfcInput{});
    }
    void WriteDesign(const std::string& rel, const PfcInput& in) {
        fs::create_directories(fs::path(dir.file(rel)).parent_path());
        ASSERT_TRUE(PfcDesignFile().Write(dir.file(rel), in).ok);
    }
    // The window's road without the tool.
    PfcResult DesignDirectly(const PfcInput& in) {
        CWireTable wires;
        EXPECT_TRUE(wires.Load(dir.path(), kPfcSmallBuffer));
        CMaterial mat;
        CoreRecord core;
        EXPECT_TRUE(
            fbtest::LoadMaterialAndCore(dir.path(), "N87 Epcos", in.core, kPfcSmallBuffer, kPfcCoreBuffer, mat, core));
        return CalculateChoke(in, core, mat, wires);
    }
};

}  // namespace

TEST_F(BoostcoilCalc, JsonMatchesTheDesignRunDirectly) {
    const std::set<std::string> before = Files();
    const Json j = Parse(RunJson("Boostcoil/design.sav"));
    ASSERT_TRUE(j.is_object());
    EXPECT_EQ(clitest::Keys(j), (std::vector<std::string>{"inputs", "core", "material", "results", "labels", "tooltips",
                                                          "messages", "fields", "checks", "analysis", "warnings"}));
    const PfcResult direct = DesignDirectly(PfcInput{});
    const std::vector<std::string> keys = clitest::Keys(j["inputs"]);
    std::vector<std::string> table;
    for (const KeyField<PfcInput>& f : PfcKeyTable()) {
        table.push_back(f.key);
        EXPECT_EQ(j["inputs"][f.key], f.ValueText(direct.input)) << f.key;
    }
    EXPECT_EQ(keys, table);
    EXPECT_EQ(j["inputs"]["d11"], "0.63");
    EXPECT_EQ(j["inputs"]["yes_al"], "0");
    EXPECT_EQ(j["results"].size(), 24u);
    for (int id : kPfcResultIds) EXPECT_EQ(j["results"][FormatInt(id)], direct.texts.at(id)) << id;
    EXPECT_EQ(j["results"]["1060"], "1.151");
    for (int id : {1061, 1063, 1080, 1016, 1082}) EXPECT_EQ(j["labels"][FormatInt(id)], direct.labels.at(id)) << id;
    EXPECT_EQ(j["tooltips"]["1058"], direct.tooltips.at(1058));
    EXPECT_EQ(j["core"]["name"], "E 36/18/11");
    EXPECT_EQ(j["core"]["shape"], 0);
    EXPECT_EQ(j["core"]["Ve"], "10.218");
    EXPECT_EQ(j["core"]["k1"], 0.0);
    EXPECT_EQ(j["material"], "N87 Epcos");
    EXPECT_TRUE(j["messages"].empty());
    EXPECT_EQ(Files(), before);  // not even the user core file is created
}

TEST_F(BoostcoilCalc, ReadsTheWindowSettingsAndReportsMessagesInOrder) {
    PfcInput in;
    in.core = "E 42";  // a prefix, as the core list finds it
    in.mater = "n87";
    in.d11 = "0,5";
    in.Irip = "0,5";
    WriteDesign("Boostcoil/Boostcoil.ini", in);
    dir.write("Bases_Cores/FerritesCores.txt", "");  // catalogue empty
    dir.write("Bases_Cores/UserFerritesCores.txt", pfctest::kCoresTxt);
    const Json j = Parse(RunJson("Boostcoil/Boostcoil.ini"));
    EXPECT_EQ(j["inputs"]["core"], "E 42/21/15");
    EXPECT_EQ(j["inputs"]["mater"], "N87 Epcos");
    EXPECT_EQ(j["inputs"]["Irip"], "1.0");
    EXPECT_EQ(j["inputs"]["d11"], "0.51");
    EXPECT_EQ(j["core"]["k1"], 95.2);
    ASSERT_EQ(j["messages"].size(), 1u);
    EXPECT_EQ(j["messages"][0]["caption"], "Внимание!");
    EXPECT_EQ(j["messages"][0]["text"],
              "Указанный желаемый диаметр 0.5 мм заменен на ближайший стандартный диаметр 0.51 мм");
}

TEST_F(BoostcoilCalc, MaterialFallsBackAsAtStartUp) {
    dir.write("Ferrites_Materials/3F3 Ferroxcube.txt", pfctest::kMaterialTxt);
    PfcInput in;
    in.mater = "";
    WriteDesign("Boostcoil/a.sav", in);
    EXPECT_EQ(Parse(RunJson("Boostcoil/a.sav"))["material"], "N87 Epcos");
    in.mater = "K99";
    WriteDesign("Boostcoil/b.sav", in);
    const Json j = Parse(RunJson("Boostcoil/b.sav"));
    EXPECT_EQ(j["material"], "3F3 Ferroxcube");
    EXPECT_EQ(j["inputs"]["mater"], "3F3 Ferroxcube");
}

TEST_F(BoostcoilCalc, MissingCatalogueWarnsFirst) {
    fs::remove(dir.file("Bases_Cores/FerritesCores.txt"));
    dir.write("Bases_Cores/UserFerritesCores.txt", pfctest::kCoresTxt);
    const Json j = Parse(RunJson("Boostcoil/design.sav"));
    ASSERT_GE(j["messages"].size(), 1u);
    EXPECT_EQ(j["messages"][0]["text"], "В папке \"Bases_Cores\" отсутствует файл \"FerritesCores.txt\"");
}

TEST_F(BoostcoilCalc, CoreNotInItsShapeListIsNotCalculated) {
    PfcInput in;
    in.core = "EFD 20";  // shape "other", whose list leaves out names beginning with E
    WriteDesign("Boostcoil/efd.sav", in);
    ExpectRefused(RunJson("Boostcoil/efd.sav"), 3);
}

TEST_F(BoostcoilCalc, DataRootDefaultsToTheParentOfTheProgramFolder) {
    const std::string exe = dir.file("Boostcoil/boostcoil-calc");
    fs::copy_file(BOOSTCOIL_CALC_EXE, exe);
    const fbtest::ProcessResult r = fbtest::RunProcess({exe, "--json", dir.file("Boostcoil/design.sav")});
    EXPECT_EQ(Parse(r)["results"]["1060"], "1.151");
}

// The missing-wire message names the data root with its separator, however the root was
// given, as the programs write it.
TEST_F(BoostcoilCalc, MissingWireMessageNamesTheRootWithItsSeparator) {
    fs::remove(dir.file("Wire.txt"));
    const fbtest::ProcessResult given = RunJson("Boostcoil/design.sav");
    ExpectRefused(given, 2);
    EXPECT_NE(given.err.find("В папке " + dir.path() + "/ отсутствует файл \"Wire.txt\". До свидания!"),
              std::string::npos)
        << given.err;
    const std::string exe = dir.file("Boostcoil/boostcoil-calc");
    fs::copy_file(BOOSTCOIL_CALC_EXE, exe);
    const fbtest::ProcessResult found = fbtest::RunProcess({exe, "--json", dir.file("Boostcoil/design.sav")});
    ExpectRefused(found, 2);
    const std::string root = fs::canonical(dir.path()).string();
    EXPECT_NE(found.err.find("В папке " + root + "/ отсутствует файл"), std::string::npos) << found.err;
}

TEST_F(BoostcoilCalc, TextReportLikeTheForm) {
    PfcInput in;
    in.d11 = "0,5";
    WriteDesign("Boostcoil/r.sav", in);
    const fbtest::ProcessResult r = Run({"--data-root", dir.path(), dir.file("Boostcoil/r.sav")});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Расчетная индуктивность дросселя: 1.151 мГн\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Емкость входного конденсатора, не менее: 161.2 нФ\n"), std::string::npos);
    EXPECT_NE(r.out.find("Требуемый немагнитный зазор, не менее: "), std::string::npos);
    const size_t messages = r.out.find("Сообщения:");
    ASSERT_NE(messages, std::string::npos);
    EXPECT_GT(messages, r.out.find("Дополнительная информация:"));
    EXPECT_NE(r.out.find("заменен на ближайший стандартный диаметр 0.51 мм", messages), std::string::npos);
}

// Damaged files of every kind: the tool answers with a status of its contract and, when it
// calculated, with valid JSON; it never crashes or hangs.
TEST_F(BoostcoilCalc, DamagedFilesNeverCrash) {
    const std::string design = PfcDesignFile().Compose(PfcInput{});
    const std::vector<std::pair<std::string, std::string>> originals = {
        {"Boostcoil/design.sav", design},
        {"Wire.txt", pfctest::kWireTxt},
        {"Ferrites_Materials/N87 Epcos.txt", pfctest::kMaterialTxt},
        {"Bases_Cores/FerritesCores.txt", pfctest::kCoresTxt}};
    uint32_t seed = 12345;
    auto next = [&] { return seed = seed * 1664525u + 1013904223u; };
    for (int round = 0; round < 12; ++round) {
        for (const auto& [rel, text] : originals) {
            std::string bytes = text;
            switch (round % 4) {
            case 0: bytes.resize(next() % (bytes.size() + 1)); break;  // truncated
            case 1:
                for (int k = 0; k < 8; ++k) bytes[next() % bytes.size()] = static_cast<char>(next() % 256);
                break;
            case 2: bytes.insert(next() % bytes.size(), 1, '\0'); break;
            default:
                for (char& c : bytes)
                    if (c == '=') c = static_cast<char>(next() % 2 ? '[' : '\x1F');
            }
            dir.write(rel, bytes);
            const fbtest::ProcessResult r = RunJson("Boostcoil/design.sav");
            EXPECT_FALSE(r.timedOut) << rel << " round " << round;
            EXPECT_TRUE(r.exitCode == 0 || r.exitCode == 2 || r.exitCode == 3) << rel << " round " << round;
            if (r.exitCode == 0) {
                EXPECT_FALSE(Json::parse(r.out, nullptr, false).is_discarded()) << r.out;
            }
            dir.write(rel, text);
        }
    }
}

#endif  // BOOSTCOIL_CALC_EXE
