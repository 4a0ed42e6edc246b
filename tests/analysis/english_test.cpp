// In the test program that links both catalogues, so their pairs are walked with the rest.
// The English table: every entry's places match between the languages and its English holds no
// Russian; Phrase fills the chosen template; the one piece-by-piece fallback.
#include <gtest/gtest.h>

#include <map>
#include <regex>

#include "common/data/english.h"

namespace fb {
namespace {

std::multiset<std::string> Places(const std::string& text) {
    static const std::regex place("\\{[0-9]+\\}");
    std::multiset<std::string> out;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), place); it != std::sregex_iterator(); ++it)
        out.insert(it->str());
    return out;
}

TEST(EnglishTable, PlacesMatchAndNoRussianIsLeft) {
    int entries = 0, templates = 0;
    std::map<std::string, std::string> seen;
    ForEachEnglishText([&](const char* russian, const char* english) {
        ++entries;
        const std::multiset<std::string> places = Places(russian);
        templates += !places.empty();
        EXPECT_EQ(Places(english), places) << russian;
        EXPECT_EQ(std::string(english).find_first_of("\xD0\xD1\xD2\xD3"), std::string::npos) << english;
        // A text listed twice must not say two things: the lookup would keep only one.
        const auto [it, added] = seen.emplace(russian, english);
        EXPECT_TRUE(added || it->second == english) << russian;
        // No place may be skipped: {1}…{n} all present.
        for (size_t k = 1; k <= places.size(); ++k) EXPECT_TRUE(places.count("{" + std::to_string(k) + "}")) << russian;
    });
    EXPECT_GT(entries, 500);
    EXPECT_GT(templates, 80);
}

TEST(EnglishTable, PhraseFillsTheChosenTemplateOnce) {
    const char* gap = "Заданная величина зазор оказалась недостаточной.\nЗазор был увеличен до {1} мм";
    SetEnglishTexts(false);
    EXPECT_EQ(Phrase(gap, {"0.42"}), "Заданная величина зазор оказалась недостаточной.\nЗазор был увеличен до 0.42 мм");
    SetEnglishTexts(true);
    EXPECT_EQ(Phrase(gap, {"0.42"}), "The gap entered was too small.\nThe gap was enlarged to 0.42 mm");
    // A value that looks like a place stays as it is; a place without a value too.
    EXPECT_EQ(Phrase("{1}: {2} вне допустимого диапазона {3}…{4}.", {"{2}", "7", "0"}),
              "{2}: 7 is outside the allowed range 0…{4}.");
    EXPECT_EQ(Phrase("Нет такого шаблона {1}", {"5"}), "Нет такого шаблона 5");
    SetEnglishTexts(false);
}

TEST(EnglishTable, RunsWithoutAnEntryGoPieceByPiece) {
    SetEnglishTexts(true);
    // "витков, провод" has an entry, the numbers stay; a word without one stays Russian.
    EXPECT_EQ(LocalizedRuns("69 витков, провод 0.375 x 1"), "69 turns, wire 0.375 x 1");
    EXPECT_EQ(LocalizedRuns("12 мм абракадабра"), "12 mm абракадабра");
    EXPECT_EQ(LocalizedWindingName("Вторичная 2"), "Secondary 2");
    EXPECT_EQ(LocalizedWindingName("Первичная 1/2"), "Primary 1/2");
    // The same fallback answers for another table (the windows' translation).
    const WholeEnglish only = [](const std::string& ru, std::string& en) {
        if (ru != "провод") return false;
        en = "wire";
        return true;
    };
    EXPECT_EQ(EnglishRuns("5 провод, 3 мм", only), "5 wire, 3 мм");
    // A quoted name keeps its letters ("мм" of a saved design's name is no unit).
    EXPECT_EQ(EnglishRuns("провод \"E 25, 0.4мм.sav\" провод", only), "wire \"E 25, 0.4мм.sav\" wire");
    SetEnglishTexts(false);
    EXPECT_EQ(LocalizedRuns("69 витков, провод 0.375 x 1"), "69 витков, провод 0.375 x 1");
}

}  // namespace
}  // namespace fb
