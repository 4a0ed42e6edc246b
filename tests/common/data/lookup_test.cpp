#include <gtest/gtest.h>

#include "common/data/lookup.h"

using namespace fb;

TEST(GetKeyValue, TakesFirstOccurrenceAndTrimsSpaces) {
    EXPECT_EQ(GetKeyValue("a = 1\r\nBmax =  0.32  \r\n", "Bmax"), "0.32");
    EXPECT_EQ(GetKeyValue("x = 1\r\n", "Bmax"), "");
    // The key is a substring: "d1" is found inside "d10" when that comes first.
    EXPECT_EQ(GetKeyValue("d10 = 9\r\nd1 = 1\r\n", "d1"), "9");
    // A key with no value.
    EXPECT_EQ(GetKeyValue("mu =\r\nBmax = 1", "mu"), "");
}

TEST(GetKeyValue, ValueEndsAtControlBytesOnly) {
    EXPECT_EQ(GetKeyValue("Ae = 52\t\r\n", "Ae"), "52");
    EXPECT_EQ(GetKeyValue("k = a\x1f"
                          "b",
                          "k"),
              "a");
    EXPECT_EQ(GetKeyValue("k = \tb", "k"), "");  // a TAB is no space: it ends the value
    EXPECT_EQ(GetKeyValue("k = Феррит N87", "k"), "Феррит N87");
    EXPECT_EQ(GetKeyValue("k = last", "k"), "last");
}

TEST(GetKeyValue, EqualsSignMayBeOnALaterLine) {
    EXPECT_EQ(GetKeyValue("key\r\nother = 5\r\n", "key"), "5");
    // No "=" after the key: the value starts at the beginning of the text.
    EXPECT_EQ(GetKeyValue("abc\r\nkey", "key"), "abc");
}

TEST(GetSectionValue, SectionEndsAtNextBracket) {
    const std::string text = "[A]\r\nx = 1\r\n[B]\r\ny = 2\r\nx = 3\r\n";
    EXPECT_EQ(GetSectionValue(text, "A", "x"), "1");
    EXPECT_EQ(GetSectionValue(text, "A", "y"), "");  // y belongs to B
    EXPECT_EQ(GetSectionValue(text, "B", "x"), "3");
    EXPECT_EQ(GetSectionValue(text, "C", "x"), "");
    EXPECT_EQ(GetSectionValue(text, "A", "y", LookupRule::Pfc), "2");
}

TEST(GetSectionValue, SectionFoundByFirstOccurrenceAnywhere) {
    const std::string text = "[E 20/10/6 x]\r\nAe = 1\r\n\r\n[E 20/10/6]\r\nAe = 2\r\n";
    EXPECT_EQ(GetSectionValue(text, "E 20/10/6", "Ae"), "1");
}

TEST(GetSectionValue, KeyInsideSectionNameIsFoundThere) {
    // The key search starts at the name itself: "le" of "Ble" matches, the value is after the next "=".
    const std::string text = "[Ble 5]\r\nAe = 7\r\nle = 9\r\n";
    EXPECT_EQ(GetSectionValue(text, "Ble 5", "le"), "7");
}

TEST(GetSectionValue, PfcRuleEndsOnlyAtLowControlBytes) {
    const std::string text =
        "[INI_DATA]\r\nk\t= a\x1b"
        "b\r\n";
    EXPECT_EQ(GetSectionValue(text, "INI_DATA", "k"), "a");
    EXPECT_EQ(GetSectionValue(text, "INI_DATA", "k", LookupRule::Pfc),
              "a\x1b"
              "b");
}
