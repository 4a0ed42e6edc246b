#include <gtest/gtest.h>

#include <cmath>

#include "common/data/material.h"
#include "common/data/textfile.h"
#include "support/tempdir.h"

using namespace fb;

namespace {

const char* const kExample =
    "Bmax = 0.32\r\nBmmax = 0.2\r\nmu = 2200\r\n[Flux density]\r\nB1 = 50\r\nB2 = 100\r\nB3 = 200\r\n"
    "[Frequencies]\r\nF1 = 25\r\nF2 = 100\r\n[F_25]\r\nB_50 = 2\r\nB_100 = 10\r\nB_200 = 50\r\n"
    "[F_100]\r\nB_50 = 10\r\nB_100 = 60\r\nB_200 = 340\r\n";

CMaterial LoadText(const fbtest::TempDir& dir, const std::string& text, const std::string& name = "Test") {
    dir.write("Ferrites_Materials/" + name + ".txt", text);
    CMaterial m;
    m.Load(dir.path(), name, kBigBuffer);
    return m;
}

}  // namespace

TEST(Material, LoadsTheExampleTable) {
    fbtest::TempDir dir;
    const CMaterial m = LoadText(dir, kExample);
    EXPECT_EQ(m.nB, 3);
    EXPECT_EQ(m.nF, 2);
    EXPECT_DOUBLE_EQ(m.Bv(2), 0.1);
    EXPECT_DOUBLE_EQ(m.Pv(2, 3), 340);
    EXPECT_DOUBLE_EQ(m.Bmax, 0.32);
    EXPECT_DOUBLE_EQ(m.mu, 2200);
    EXPECT_DOUBLE_EQ(m.LastFrequency(), 100);
}

TEST(Material, LossDensityFollowsThePiecewisePowerLaw) {
    fbtest::TempDir dir;
    const CMaterial m = LoadText(dir, kExample);
    EXPECT_NEAR(m.LossDensity(100, 0.1), 60, 1e-9);
    EXPECT_NEAR(m.LossDensity(50, 0.1), 10 * std::pow(2, std::log(6) / std::log(4)), 1e-9);
    EXPECT_NEAR(m.LossDensity(50, 0.1), 24.495, 1e-3);
    EXPECT_NEAR(m.LossDensity(200, 0.1), 146.97, 1e-2);
    EXPECT_NEAR(m.LossDensity(100, 0.15), 165.51, 1e-2);
    // Below the first frequency the first pair is extended; above the last flux the last columns.
    EXPECT_NEAR(m.LossDensity(12.5, 0.1), 10 * std::pow(0.5, std::log(6) / std::log(4)), 1e-9);
    EXPECT_GT(m.LossDensity(100, 0.3), 340);
}

TEST(Material, MaxFluxForLossStepsDownAndCaps) {
    fbtest::TempDir dir;
    CMaterial m = LoadText(dir, kExample);
    EXPECT_NEAR(m.MaxFluxForLoss(100, 200), 0.16179, 1e-5);
    EXPECT_NEAR(m.MaxFluxForLoss(25, 200), 0.2, 1e-12);
    EXPECT_NEAR(m.MaxFluxForLoss(100, 50), 0.09319, 1e-5);
    m.Bmmax = 0.15;
    EXPECT_DOUBLE_EQ(m.MaxFluxForLoss(100, 200), 0.15);
}

TEST(Material, CommaTextsNameSectionsAndKeys) {
    fbtest::TempDir dir;
    const CMaterial m = LoadText(dir,
                                 "Bmax = 0,3\r\nBmmax = 0.2\r\nmu = 2000\r\n[Flux density]\r\nB1 = 50,5\r\nB2 = 100\r\n"
                                 "[Frequencies]\r\nF1 = 12,5\r\nF2 = 100\r\n[F_12.5]\r\nB_50,5 = 3\r\nB_100 = 9\r\n"
                                 "[F_100]\r\nB_50,5 = 11\r\nB_100 = 70\r\n");
    EXPECT_DOUBLE_EQ(m.Bv(1), 0.0505);
    EXPECT_DOUBLE_EQ(m.Fv(1), 12.5);
    EXPECT_DOUBLE_EQ(m.Pv(1, 1), 3);
    EXPECT_DOUBLE_EQ(m.Pv(2, 1), 11);
    EXPECT_DOUBLE_EQ(m.Bmax, 0.3);
}

TEST(Material, SectionsAreFoundByPlainText) {
    fbtest::TempDir dir;
    const CMaterial m = LoadText(dir,
                                 "Bmax = 0.3\r\nBmmax = 0.2\r\nmu = 2000\r\n[Flux density]\r\nB1 = 50\r\nB2 = 100\r\n"
                                 "[Frequencies]\r\nF1 = 25\r\nF2 = 250\r\n[F_250]\r\nB_50 = 100\r\nB_100 = 500\r\n"
                                 "[F_25]\r\nB_50 = 2\r\nB_100 = 10\r\n");
    EXPECT_DOUBLE_EQ(m.Pv(1, 1), 100);  // F_25 reads the values of F_250
}

TEST(Material, MissingLimitsFailButKeepTheTable) {
    fbtest::TempDir dir;
    CMaterial m = LoadText(dir, kExample);
    std::string noMu = kExample;
    noMu.replace(noMu.find("mu = 2200"), 9, "xx = 1");
    dir.write("Ferrites_Materials/NoMu.txt", noMu);
    m.mu = 1234;
    EXPECT_FALSE(m.Load(dir.path(), "NoMu", kBigBuffer));
    EXPECT_EQ(m.nF, 2);
    EXPECT_DOUBLE_EQ(m.mu, 1234);
    EXPECT_FALSE(m.Load(dir.path(), "Absent", kBigBuffer));
    EXPECT_EQ(m.name, "NoMu");
}

TEST(Material, TooFewOrTooManyPointsStayInBounds) {
    fbtest::TempDir dir;
    CMaterial one = LoadText(
        dir,
        "Bmax = 0.3\r\nBmmax = 0.2\r\nmu = 1\r\n[Flux density]\r\nB1 = 50\r\n[Frequencies]\r\nF1 = 25\r\n[F_25]\r\nB_50 = 2\r\n");
    EXPECT_FALSE(one.Usable());
    EXPECT_EQ(one.LossDensity(100, 0.1), 0);
    EXPECT_EQ(one.MaxFluxForLoss(100, 200), 0);
    CMaterial empty;
    EXPECT_EQ(empty.LossDensity(100, 0.1), 0);

    std::string many = "Bmax = 0.3\r\nBmmax = 0.2\r\nmu = 1\r\n[Flux density]\r\n";
    for (int j = 1; j <= 12; ++j) many += "B" + std::to_string(j) + " = " + std::to_string(10 * j) + "\r\n";
    many += "[Frequencies]\r\n";
    for (int i = 1; i <= 25; ++i) many += "F" + std::to_string(i) + " = " + std::to_string(10 * i) + "\r\n";
    const CMaterial big = LoadText(dir, many, "Many");
    EXPECT_EQ(big.nB, 9);
    EXPECT_EQ(big.nF, 19);
    big.LossDensity(1000, 1);  // zero cells give no number, but the lookup stays inside the table
    big.MaxFluxForLoss(1000, 200);
}

TEST(Material, ListAndInitialSelection) {
    fbtest::TempDir dir;
    for (const char* f : {"n87 Epcos.txt", "3C90 Ferroxcube.txt", "N97 Epcos.txt", "notes.dat", ".hidden.txt"})
        dir.write(std::string("Ferrites_Materials/") + f, kExample);
    std::filesystem::create_directories(dir.file("Ferrites_Materials/folder.txt"));
    const auto list = ListMaterials(dir.path());
    EXPECT_EQ(list, (std::vector<std::string>{"3C90 Ferroxcube", "n87 Epcos", "N97 Epcos"}));

    MaterialChoice c = SelectInitial(list, "");
    EXPECT_EQ(c.index, 1);
    EXPECT_EQ(c.loadName, "N87 Epcos");
    c = SelectInitial(list, "N9");
    EXPECT_EQ(c.index, 2);
    c = SelectInitial(list, "Unknown");
    EXPECT_EQ(c.index, 0);
    EXPECT_EQ(c.loadName, "3C90 Ferroxcube");
    EXPECT_EQ(SelectInitial({}, "x").index, -1);
}

TEST(Material, ChosenMaterialFallsBackToTheEntryShown) {
    fbtest::TempDir dir;
    dir.write("Ferrites_Materials/N87 Epcos.txt", kExample);
    const auto list = ListMaterials(dir.path());
    CMaterial m;
    // "N87" selects the entry "N87 Epcos" but names no file: the entry's file is loaded.
    EXPECT_TRUE(LoadChosenMaterial(m, dir.path(), list, SelectInitial(list, "N87"), kBigBuffer));
    EXPECT_EQ(m.name, "N87 Epcos");
}
