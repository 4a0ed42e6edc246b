// The start-up both programs share: each failure is data with the window's message, whether
// the window can go on, and the file concerned.
#include "common/files/startup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/files/designfile.h"
#include "tests/support/tempdir.h"

namespace {

using fb::CStartup;
using Cause = fb::StartupFailure::Cause;

struct Input {
    std::string core, mater;
};

fb::CDesignFile<Input> Reader() {
    return fb::CDesignFile<Input>({{"core", &Input::core}, {"mater", &Input::mater}}, fb::LookupRule::Standard, 100000);
}

class StartupSteps : public ::testing::Test {
protected:
    void SetUp() override {
        dir.write("Wire.txt", "d1 = 0.5\r\ndiz1 = 0.55\r\nd2 = 1\r\ndiz2 = 1.08\r\n");
        dir.write("Ferrites_Materials/N87 Epcos.txt",
                  "Bmax = 0.31\r\nBmmax = 0.19\r\nmu = 2200\r\n\r\n[Flux density]\r\nB1 = 50\r\nB2 = 100\r\n\r\n"
                  "[Frequencies]\r\nF1 = 25\r\nF2 = 50\r\n\r\n[F_25]\r\nB_50 = 1.2\r\nB_100 = 7.5\r\n\r\n"
                  "[F_50]\r\nB_50 = 2.7\r\nB_100 = 17\r\n");
        dir.write("Bases_Cores/FerritesCores.txt", "[E 25/13/7]\r\nAe = 52\r\nAn = 87\r\nle = 57.5\r\nmu = 1500\r\n");
        dir.write("design.sav", "[INI_DATA]\r\ncore\t= E 25/13/7\r\nmater\t= N87 Epcos\r\n");
    }
    CStartup Start() const { return CStartup(dir.path() + "/", {100000, 100000, 100000}); }
    fbtest::TempDir dir;
};

TEST_F(StartupSteps, SoundRootRunsEveryStep) {
    CStartup start = Start();
    Input in;
    EXPECT_FALSE(start.LoadWireTable());
    EXPECT_FALSE(start.ReadDesign(Reader(), dir.file("design.sav"), in));
    EXPECT_EQ(in.mater, "N87 Epcos");
    EXPECT_FALSE(start.ListMaterialFiles());
    EXPECT_FALSE(start.ChooseMaterial(in.mater));
    EXPECT_EQ(start.material().name, "N87 Epcos");
    EXPECT_TRUE(start.LoadCores(false).empty());
    fb::CoreRecord core;
    EXPECT_FALSE(start.SelectCore(in.core, core));
    EXPECT_EQ(core.name, "E 25/13/7");
}

TEST_F(StartupSteps, FailuresSayWhetherTheWindowCanGoOn) {
    std::filesystem::remove(dir.file("Wire.txt"));
    CStartup start = Start();
    const fb::StartupResult wires = start.LoadWireTable();
    ASSERT_TRUE(wires);
    EXPECT_EQ(wires->cause, Cause::MissingWireTable);
    EXPECT_FALSE(wires->canGoOn);
    EXPECT_EQ(wires->Line(), "В папке " + dir.path() + "/ отсутствует файл \"Wire.txt\".");  // farewell line cut

    Input in;
    const fb::StartupResult design = start.ReadDesign(Reader(), dir.file("none.sav"), in);
    ASSERT_TRUE(design);
    EXPECT_EQ(design->cause, Cause::UnreadableDesign);
    EXPECT_TRUE(design->canGoOn);
    EXPECT_EQ(design->file, dir.file("none.sav"));

    fb::CoreRecord core;
    start.LoadCores(false);
    const fb::StartupResult listed = start.SelectCore("E 99/99/99", core);
    ASSERT_TRUE(listed);
    EXPECT_EQ(listed->cause, Cause::CoreNotListed);
    EXPECT_EQ(listed->Line(), "Сердечник \"E 99/99/99\" отсутствует в списке формы \"E\"");

    std::filesystem::remove_all(dir.file("Ferrites_Materials"));
    const fb::StartupResult materials = start.ListMaterialFiles();
    ASSERT_TRUE(materials);
    EXPECT_EQ(materials->cause, Cause::NoMaterials);
    EXPECT_FALSE(materials->canGoOn);
}

}  // namespace
