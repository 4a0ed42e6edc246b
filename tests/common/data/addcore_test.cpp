#include <gtest/gtest.h>

#include "common/data/addcore.h"

using namespace fb;

namespace {

AddCoreRequest ByDims(int shape, std::string name = "MyCore") {
    AddCoreRequest q;
    q.shape = shape;
    q.byDims = true;
    q.name = std::move(name);
    q.mu = "1800";
    q.dims = {"20", "15", "5", "5", "10", "7", shape == 1 ? "2" : ""};
    return q;
}

}  // namespace

TEST(AddCore, DimensionModeRecordIsByteExact) {
    const AddCoreResult r = PrepareCore(ByDims(0));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.record, "[E MyCore]\r\nAe = 25.00\r\nAn = 56.00\r\nle = 46.0\r\nmu = 1800\r\n\r\n");
}

TEST(AddCore, FormulasPerShape) {
    AddCoreResult r = PrepareCore(ByDims(1));
    EXPECT_EQ(r.AeText + " " + r.AnText + " " + r.leText, "25.00 28.00 31.5");
    for (int shape : {2, 3}) {
        r = PrepareCore(ByDims(shape));
        EXPECT_EQ(r.AeText + " " + r.AnText + " " + r.leText, "19.63 56.00 46.0");
    }
    AddCoreRequest commas = ByDims(0);
    commas.dims.C = "5,0";
    EXPECT_EQ(PrepareCore(commas).AeText, "25.00");
}

TEST(AddCore, PrefixRule) {
    EXPECT_EQ(ApplyPrefix("ETD 29 user", 3), "ETD 29 user");
    EXPECT_EQ(ApplyPrefix("EI30", 1), "EI EI30");
    EXPECT_EQ(ApplyPrefix("My E 30", 0), "My E 30");
    EXPECT_EQ(ApplyPrefix("Core", 2), "ER Core");
    EXPECT_EQ(ApplyPrefix("RM 14", 4), "RM 14");
}

TEST(AddCore, ValidationMessagesInOrder) {
    AddCoreRequest none = ByDims(0);
    none.byDims = false;
    AddCoreResult r = PrepareCore(none);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.messages.empty());

    AddCoreRequest q = ByDims(0, "");
    q.mu = "";
    r = PrepareCore(q);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].text, "Вы забыли перед добавлением ввести название сердечника.");

    q.name = "X";
    EXPECT_EQ(PrepareCore(q).messages[0].text, "Вы забыли перед добавлением ввести магнитную проницаемость.");
    q.mu = "2000";
    q.dims.h = "";
    EXPECT_EQ(PrepareCore(q).messages[0].text, "Вы забыли перед добавлением ввести все размеры.");

    AddCoreRequest ei = ByDims(1);
    ei.dims.I = "";
    EXPECT_EQ(PrepareCore(ei).messages[0].text, "Вы забыли перед добавлением ввести все размеры.");

    AddCoreRequest data;
    data.byData = true;
    data.name = "Q";
    data.mu = "2000";
    data.Ae = "12,5";
    data.An = "30";
    EXPECT_EQ(PrepareCore(data).messages[0].text, "Вы забыли перед добавлением ввести все данные.");
    data.le = "40";
    r = PrepareCore(data);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.record, "[E Q]\r\nAe = 12,5\r\nAn = 30\r\nle = 40\r\nmu = 2000\r\n\r\n");  // comma kept
}

TEST(AddCore, NamesThatWouldBreakTheCatalogueAreRefused) {
    for (const char* bad : {"E [30]", "E 30]", "a=b", "Core\r\n[E 5", "Сердечник 中"}) {
        const AddCoreResult r = PrepareCore(ByDims(0, bad));
        EXPECT_FALSE(r.ok) << bad;
        ASSERT_EQ(r.messages.size(), 1u) << bad;
        EXPECT_EQ(r.messages[0].caption, "Внимание!");
        EXPECT_TRUE(r.record.empty());
    }
    AddCoreRequest q = ByDims(0, "Мой сердечник");
    EXPECT_TRUE(PrepareCore(q).ok);
    q.mu = "2000]\r\n[E 1";
    EXPECT_FALSE(PrepareCore(q).ok);
}

// A name the list rule of its shape leaves out would be written and never seen again: it is
// refused, saying where it would be listed, or why nowhere. Names that do show stay allowed.
TEST(AddCore, NameNeverListedUnderItsShapeIsRefused) {
    const std::pair<const char*, std::string> cases[] = {
        {"EFD 20",
         "Сердечник с названием, которое начинается с \"E\" или с \"R\" (кроме \"RM\"), не будет "
         "показан в списке формы \"Другая\": измените название."},
        {"ETD 29 x",
         "Сердечник с таким названием будет показан в списке формы \"ETD\", а не \"Другая\": "
         "выберите эту форму или измените название."},
        {"RM 10", ""},
        {"efd 20", ""}};  // the rule looks at capital letters only
    for (const auto& [name, refusal] : cases) {
        AddCoreRequest q;
        q.shape = 4;
        q.byData = true;
        q.name = name;
        q.mu = q.Ae = q.An = q.le = "7";
        const AddCoreResult r = PrepareCore(q);
        EXPECT_EQ(r.ok, refusal.empty()) << name;
        EXPECT_EQ(r.messages.empty() ? "" : r.messages[0].text, refusal) << name;
    }
}
