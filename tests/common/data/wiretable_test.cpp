#include <gtest/gtest.h>

#include <cmath>

#include "common/data/textfile.h"
#include "common/data/wiretable.h"
#include "support/tempdir.h"

using namespace fb;

namespace {

CWireTable Table(const fbtest::TempDir& dir, const std::string& text) {
    dir.write("Wire.txt", text);
    CWireTable t;
    EXPECT_TRUE(t.Load(dir.path(), kBigBuffer));
    return t;
}

const char* const kFour =
    "d1 = 0.1\r\ndiz1 = 0.12\r\nd2 = 0,2\r\ndiz2 = 0.23\r\nd3 = 0.315\r\ndiz3 = 0.35\r\nd4 = 0.5\r\ndiz4 = 0.55\r\n";

}  // namespace

TEST(WireTable, LoadsPairsUntilOneIsMissing) {
    fbtest::TempDir dir;
    CWireTable t = Table(dir, kFour);
    EXPECT_EQ(t.N, 4);
    EXPECT_DOUBLE_EQ(t.d[2], 0.2);
    EXPECT_DOUBLE_EQ(t.S[4], 0.5 * 0.5 * M_PI * 0.25);

    std::string twelve;
    for (int i = 1; i <= 12; ++i) {
        twelve += "d" + std::to_string(i) + " = " + std::to_string(i) + "\r\n";
        if (i < 12) twelve += "diz" + std::to_string(i) + " = 1\r\n";
    }
    EXPECT_EQ(Table(dir, twelve).N, 11);

    std::string many;
    for (int i = 1; i <= 150; ++i) many += "d" + std::to_string(i) + " = 1\r\ndiz" + std::to_string(i) + " = 1\r\n";
    EXPECT_EQ(Table(dir, many).N, 100);

    CWireTable missing;
    EXPECT_FALSE(missing.Load(dir.file("none"), kBigBuffer));
    EXPECT_EQ(CWireTable::MissingFileMessage("/data/").text,
              "В папке /data/ отсутствует файл \"Wire.txt\".\nДо свидания!");
}

TEST(WireTable, NearestStandardReplacesAndSays) {
    fbtest::TempDir dir;
    CWireTable t = Table(dir, kFour);
    auto n = t.NearestStandard("0,3");
    EXPECT_EQ(n.text, "0.315");
    ASSERT_TRUE(n.message);
    EXPECT_EQ(n.message->caption, "Внимание!");
    EXPECT_EQ(n.message->text, "Указанный желаемый диаметр 0.3 мм заменен на ближайший стандартный диаметр 0.315 мм");
    EXPECT_EQ(t.chosen, 3);

    n = t.NearestStandard("0.500");
    EXPECT_EQ(n.text, "0.5");
    EXPECT_FALSE(n.message);
    n = t.NearestStandard("0,9");
    EXPECT_EQ(n.text, "0.5");
    EXPECT_FALSE(n.message);
    n = t.NearestStandard("0.05");
    EXPECT_EQ(n.text, "0.1");
    ASSERT_TRUE(n.message);
    EXPECT_EQ(n.message->text, "Указанный желаемый диаметр 0.05 мм заменен на ближайший стандартный диаметр 0.1 мм");
    n = t.NearestStandard("abc");
    EXPECT_EQ(n.text, "0.1");
    EXPECT_EQ(t.chosen, 1);
}

TEST(WireTable, StrandRuleKeepingTheUsersWire) {
    fbtest::TempDir dir;
    CWireTable t = Table(dir, kFour);
    t.NearestStandard("0.1");  // S = 0.00785 mm², well under the skin area
    const double S = t.S[1];
    EXPECT_EQ(t.ChooseWire(2.05 * S * 5, 5, 1.0, 1).strands, 2);
    EXPECT_EQ(t.ChooseWire(2.3 * S * 5, 5, 1.0, 1).strands, 3);
    EXPECT_EQ(t.ChooseWire(0.4 * S * 5, 5, 1.0, 1).strands, 1);
    EXPECT_EQ(t.ChooseWire(0.4 * S * 5, 5, 1.0, 1).diameterText, "0.1");
}

TEST(WireTable, ChoosesWireAndStrandsForSkinDepth) {
    fbtest::TempDir dir;
    CWireTable t = Table(dir, kFour);
    const auto c = t.ChooseWire(3, 5, 0.20871, 0);
    EXPECT_EQ(c.strands, 5);
    EXPECT_EQ(c.diameterText, "0.5");
    EXPECT_NEAR(c.S, 0.196350, 1e-6);
    EXPECT_NEAR(c.Aeff, 0.190994, 1e-6);
    EXPECT_EQ(t.chosen, 4);
}

TEST(WireTable, TooThickTakesTheThickestWithMoreStrands) {
    fbtest::TempDir dir;
    CWireTable t = Table(dir, kFour);
    // 1 kHz: the skin depth allows ~4 mm wire, thicker than any in the table.
    const auto c = t.ChooseWire(10, 5, 2.0871, 0);
    EXPECT_EQ(c.diameterText, "0.5");
    EXPECT_EQ(c.strands, std::ceil(2 / t.S[4]));
    EXPECT_GE(c.strands * t.S[4], 2.0);
}

TEST(WireTable, EmptyTableGivesNoWireInsteadOfReadingPastIt) {
    fbtest::TempDir dir;
    CWireTable t = Table(dir, "nothing here");
    EXPECT_EQ(t.N, 0);
    EXPECT_EQ(t.NearestStandard("0,3").text, "0.3");
    EXPECT_FALSE(t.ChooseWire(1, 5, 0.2, 0).ok);
    EXPECT_FALSE(t.ChooseWire(1, 5, 0.2, 1).ok);
}
