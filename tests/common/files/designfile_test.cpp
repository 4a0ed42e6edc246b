#include <gtest/gtest.h>

#include "common/files/designfile.h"
#include "support/tempdir.h"

using namespace fb;

namespace {

struct Small {
    std::string core = "E 25/13/7";
    std::string Ls = "17";
    std::string TLs = "0,18";
    std::string w1;
    int rds = 1;
    std::string Rds = "3";
};

CDesignFile<Small> SmallFile(LookupRule rule = LookupRule::Standard) {
    using K = KeyField<Small>;
    return CDesignFile<Small>(
        {K::Text("core", &Small::core), K::Text("rds_text_unused", &Small::w1, false), K::Flag("rds", &Small::rds),
         K::Text("Rds", &Small::Rds), K::Text("TLs", &Small::TLs), K::Text("Ls", &Small::Ls)},
        rule, kBigBuffer);
}

}  // namespace

TEST(DesignFile, ComposesTheByteLayout) {
    Small in;
    in.w1 = "";
    EXPECT_EQ(
        SmallFile().Compose(in),
        "[INI_DATA]\r\ncore\t= E 25/13/7\r\nrds_text_unused\t= \r\nrds\t= 1\r\nRds\t= 3\r\nTLs\t= 0,18\r\nLs\t= 17\r\n");
}

TEST(DesignFile, ReadsBackWhatItWrote) {
    fbtest::TempDir dir;
    Small in;
    in.core = "Мой E 30";
    in.rds = 0;
    ASSERT_TRUE(SmallFile().Write(dir.file("a.sav"), in).ok);
    Small out;
    out.core = out.Ls = out.TLs = out.Rds = "changed";
    out.rds = 7;
    ASSERT_TRUE(SmallFile().Read(dir.file("a.sav"), out));
    EXPECT_EQ(out.core, "Мой E 30");
    EXPECT_EQ(out.rds, 0);
    EXPECT_EQ(out.Rds, "3");
    EXPECT_EQ(out.TLs, "0,18");
    EXPECT_EQ(out.Ls, "0,18");  // "Ls" is found first inside the "TLs" line
}

TEST(DesignFile, SubstringRulesOfTheReader) {
    Small s;
    // "Ls" first occurs inside "TLs": it takes that line's value.
    SmallFile().Parse("[INI_DATA]\r\nTLs\t= 0.2\r\ncore=  E 1  \r\nrds = 12abc\r\n", s);
    EXPECT_EQ(s.Ls, "0.2");
    EXPECT_EQ(s.core, "E 1");
    EXPECT_EQ(s.rds, 12);
    EXPECT_EQ(s.Rds, "");  // case-sensitive: "rds" is no "Rds"
    SmallFile().Parse("[INI_DATA]\r\nrds\t= abc\r\nLs\t= 5\tмкГн\r\n", s);
    EXPECT_EQ(s.rds, 0);
    EXPECT_EQ(s.Ls, "5");
}

TEST(DesignFile, MissingSectionOrLaterSectionEmptiesFields) {
    Small s;
    SmallFile().Parse("no section here\r\ncore = X\r\n", s);
    EXPECT_EQ(s.core, "");
    EXPECT_EQ(s.rds, 0);

    const std::string hidden = "[INI_DATA]\r\ncore\t= A\r\n[other]\r\nLs\t= 9\r\n";
    SmallFile().Parse(hidden, s);
    EXPECT_EQ(s.Ls, "");
    SmallFile(LookupRule::Pfc).Parse(hidden, s);
    EXPECT_EQ(s.Ls, "9");
}

TEST(DesignFile, UnreadableFileChangesNothing) {
    fbtest::TempDir dir;
    Small s;
    s.core = "keep";
    EXPECT_FALSE(SmallFile().Read(dir.file("none.sav"), s));
    EXPECT_EQ(s.core, "keep");
}

TEST(DesignFile, FailedWriteIsReportedAndKeepsTheOldFile) {
    fbtest::TempDir dir;
    Small s;
    ASSERT_TRUE(SmallFile().Write(dir.file("a.sav"), s).ok);
    const std::string before = dir.read("a.sav");
    s.core = "中";
    EXPECT_FALSE(SmallFile().Write(dir.file("a.sav"), s).ok);
    EXPECT_EQ(dir.read("a.sav"), before);
    EXPECT_FALSE(SmallFile().Write(dir.file("missing/a.sav"), s).ok);
}

// "[" would start a section and a line break a line of its own: reading the file back would
// lose every key after the value. The writer refuses it by name and writes nothing.
TEST(DesignFile, ValueWithBracketOrLineBreakIsRefused) {
    fbtest::TempDir dir;
    const std::string path = dir.file("a.sav");
    ASSERT_TRUE(SmallFile().Write(path, Small{}).ok);
    const std::string before = dir.read("a.sav");
    for (const char* bad : {"19 [В]", "19]", "1\r\n2", "1\n2", "1\r"}) {
        Small s;
        s.TLs = bad;
        const WriteResult r = SmallFile().Write(path, s);
        EXPECT_FALSE(r.ok) << bad;
        EXPECT_EQ(r.error, "Не удалось записать файл \"" + path +
                               "\": значение ключа \"TLs\" содержит символ \"[\", \"]\" или перевод строки");
        EXPECT_EQ(dir.read("a.sav"), before);
    }
    Small tab;
    tab.TLs = "0,18\tмкс";  // a TAB ends the value on reading but hides no other key
    EXPECT_TRUE(SmallFile().Write(path, tab).ok);
}
