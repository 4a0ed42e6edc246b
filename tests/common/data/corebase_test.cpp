#include <gtest/gtest.h>

#include "common/data/corebase.h"
#include "common/data/textfile.h"
#include "support/tempdir.h"

using namespace fb;

namespace {

std::string Section(const std::string& name, const std::string& body) { return "[" + name + "]\r\n" + body + "\r\n"; }

// A catalogue of 30 E cores and 10 others, so shape changes can run past a list's end.
std::string BigCatalogue() {
    std::string t;
    for (int i = 0; i < 30; ++i)
        t += Section("E " + std::to_string(10 + i),
                     "Ae = " + std::to_string(i + 1) + "\r\nAn = 2\r\nle = 3\r\nmu = 100");
    for (int i = 0; i < 10; ++i)
        t += Section("ETD " + std::to_string(20 + i), "Ae = 5\r\nAn = 2\r\nle = 3\r\nmu = 100");
    return t;
}

CCoreBase LoadBase(const fbtest::TempDir& dir, const std::string& catalogue, const std::string* user = nullptr) {
    dir.write("Bases_Cores/FerritesCores.txt", catalogue);
    if (user) dir.write("Bases_Cores/UserFerritesCores.txt", *user);
    CCoreBase base;
    EXPECT_TRUE(base.Load(dir.path(), kBigBuffer).empty());
    return base;
}

}  // namespace

TEST(CoreBase, JoinsCatalogueAndUserFileAndCreatesMissingUserFile) {
    fbtest::TempDir dir;
    CCoreBase base = LoadBase(dir, Section("E 25/13/7", "Ae = 52"));
    EXPECT_TRUE(dir.exists("Bases_Cores/UserFerritesCores.txt"));
    EXPECT_EQ(dir.read("Bases_Cores/UserFerritesCores.txt"), "");

    const std::string user = Section("My core E 30", "Ae = 1");
    CCoreBase both = LoadBase(dir, Section("E 25/13/7", "Ae = 52"), &user);
    EXPECT_EQ(both.JoinedText(), Section("E 25/13/7", "Ae = 52") + user);
    EXPECT_EQ(both.UserText(), user);
}

TEST(CoreBase, MissingCatalogueWarnsAndKeepsUserCores) {
    fbtest::TempDir dir;
    dir.write("Bases_Cores/UserFerritesCores.txt", Section("E 5", "Ae = 1"));
    CCoreBase base;
    const Messages m = base.Load(dir.path(), kBigBuffer);
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].caption, "Внимание!");
    EXPECT_EQ(m[0].text, "В папке \"Bases_Cores\" отсутствует файл \"FerritesCores.txt\"");
    EXPECT_EQ(base.ListForShape(0), std::vector<std::string>{"E 5"});
}

TEST(CoreBase, CommandLineLoadDoesNotCreateTheUserFile) {
    fbtest::TempDir dir;
    dir.write("Bases_Cores/FerritesCores.txt", Section("E 5", "Ae = 1"));
    CCoreBase base;
    base.Load(dir.path(), kBigBuffer, false);
    EXPECT_FALSE(dir.exists("Bases_Cores/UserFerritesCores.txt"));
}

TEST(CoreBase, ShapeFromNameTestsInOrder) {
    EXPECT_EQ(CCoreBase::ShapeFromName("E 25/13/7"), 0);
    EXPECT_EQ(CCoreBase::ShapeFromName("EI 30"), 1);
    EXPECT_EQ(CCoreBase::ShapeFromName("ER 28"), 2);
    EXPECT_EQ(CCoreBase::ShapeFromName("ETD 34"), 3);
    EXPECT_EQ(CCoreBase::ShapeFromName("ETD 34 E 1"), 0);  // "E " is tested first
    EXPECT_EQ(CCoreBase::ShapeFromName("RM 10"), 4);
    EXPECT_EQ(CCoreBase::ShapeFromName("EFD 20"), 4);
}

TEST(CoreBase, ListsFollowThePatternRules) {
    fbtest::TempDir dir;
    const std::string text = Section("E 25/13/7", "Ae = 52") + Section("My core E 30", "Ae = 1") +
                             Section("EI 30", "Ae = 1") + Section("RM 10", "Ae = 1") + Section("R 20", "Ae = 1") +
                             Section("EFD 20", "Ae = 1") + Section("PQ 26/25", "Ae = 1") + Section("ER 28", "Ae = 1");
    CCoreBase base = LoadBase(dir, text);
    EXPECT_EQ(base.ListForShape(0), (std::vector<std::string>{"E 25/13/7", "E 30"}));
    EXPECT_EQ(base.ListForShape(1), std::vector<std::string>{"EI 30"});
    EXPECT_EQ(base.ListForShape(2), std::vector<std::string>{"ER 28"});
    // "My core E 30" starts with neither "E" nor "R": it is listed under both shapes.
    EXPECT_EQ(base.ListForShape(4), (std::vector<std::string>{"My core E 30", "RM 10", "PQ 26/25"}));
}

TEST(CoreBase, UnclosedHeaderGivesAnEmptyEntryAndEndsTheScan) {
    fbtest::TempDir dir;
    CCoreBase base = LoadBase(dir, "[E 5]\r\n[E 6\r\nAe = 1");
    EXPECT_EQ(base.ListForShape(0), (std::vector<std::string>{"E 5", ""}));
    CCoreBase other = LoadBase(dir, "[PQ 5]\r\n[");
    EXPECT_EQ(other.ListForShape(4), (std::vector<std::string>{"PQ 5", ""}));
}

TEST(CoreBase, RecordReadsTextsAndNumbers) {
    fbtest::TempDir dir;
    CCoreBase base = LoadBase(
        dir, Section("E 25/13/7", "Ae = 12,5\r\nAn = 61\t\r\nle = 57.5\r\nmu = 2000.7\r\nk1 = 26.4\r\nk2 = -0.73") +
                 Section("E 30", "Ae = 60\r\nAn = 1\r\nle = 2\r\nmu = 3"));
    base.SelectByName("E 25");
    EXPECT_EQ(FindEntryStartingWith(base.Entries(), "e 25/13"), 0);  // the list search ignores case
    CoreRecord r;
    ASSERT_TRUE(base.OnSelect(r));
    EXPECT_EQ(r.name, "E 25/13/7");
    EXPECT_EQ(r.AeText, "12.5");
    EXPECT_EQ(r.AnText, "61");
    EXPECT_EQ(r.muText, "2000.7");
    EXPECT_EQ(r.mu, 2000);
    EXPECT_DOUBLE_EQ(r.k2, -0.73);
    EXPECT_TRUE(r.HasAlLaw());
    EXPECT_EQ(r.VeText, "0.719");  // 57.5 * 12.5 / 1000 = 0.71875, stored just below the tie
    // The second core has no k1/k2: they stop at its section's end.
    base.SelectByName("E 30");
    ASSERT_TRUE(base.OnSelect(r));
    EXPECT_FALSE(r.HasAlLaw());
}

TEST(CoreBase, SelectionRulesOfTheTwoPrograms) {
    fbtest::TempDir dir;
    CCoreBase base = LoadBase(dir, BigCatalogue());
    base.SelectByName("E 34");
    EXPECT_EQ(base.selected, 24);
    CCoreBase pfc = base;
    base.OnShapeChanged(3, ShapeLowering::ToLast);
    EXPECT_EQ(base.selected, 9);
    pfc.OnShapeChanged(3, ShapeLowering::ToFirst);
    EXPECT_EQ(pfc.selected, 0);

    base.SelectByName("E 15");
    EXPECT_EQ(base.selected, 5);
    base.OnShapeChanged(3, ShapeLowering::ToLast);
    EXPECT_EQ(base.selected, 5);
    CoreRecord r;
    ASSERT_TRUE(base.OnSelect(r));
    EXPECT_EQ(r.name, "ETD 25");  // the position stays, not the name
}

TEST(CoreBase, UnknownNameKeepsTheIndexAndAddModesBlockSelection) {
    fbtest::TempDir dir;
    CCoreBase base = LoadBase(dir, BigCatalogue());
    CoreRecord r;
    base.SelectByName("EFD 20");  // shape 4: an empty list, nothing to select
    EXPECT_EQ(base.selected, -1);
    EXPECT_FALSE(base.OnSelect(r));
    base.SelectByName("E 12");
    base.SelectByName("E 99");
    EXPECT_EQ(base.selected, 2);
    base.addByData = true;
    EXPECT_FALSE(base.OnSelect(r));
    base.addByData = false;
    ASSERT_TRUE(base.OnSelect(r));
    EXPECT_EQ(r.name, "E 12");
}

TEST(CoreBase, EmptyShapeListLowersSafely) {
    fbtest::TempDir dir;
    CCoreBase base = LoadBase(dir, BigCatalogue());
    base.SelectByName("E 12");
    base.OnShapeChanged(1, ShapeLowering::ToLast);
    EXPECT_EQ(base.selected, -1);
    CoreRecord r;
    EXPECT_FALSE(base.OnSelect(r));
    base.SelectByName("E 12");
    base.OnShapeChanged(1, ShapeLowering::ToFirst);
    EXPECT_FALSE(base.OnSelect(r));
}
