#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "common/data/textcodec.h"
#include "common/data/textfile.h"
#include "support/tempdir.h"

using namespace fb;

TEST(Cp1251, RoundTripsEveryByte) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    std::string back;
    ASSERT_TRUE(Utf8ToCp1251(Cp1251ToUtf8(all), back));
    EXPECT_EQ(back, all);
    EXPECT_EQ(Cp1251ToUtf8("\xc2\xed\xe8\xec\xe0\xed\xe8\xe5!"), "Внимание!");
}

TEST(Cp1251, RefusesCharactersItCannotHold) {
    std::string out, bad;
    EXPECT_FALSE(Utf8ToCp1251("core 中", out, &bad));
    EXPECT_EQ(bad, "中");
    EXPECT_FALSE(Utf8ToCp1251("\xff", out));  // not UTF-8 at all
    EXPECT_TRUE(IsCp1251Encodable("Сердечник №1 µ"));
}

TEST(Cp1251, CaseInsensitivePrefixCoversCyrillic) {
    EXPECT_TRUE(StartsWithIgnoreCase("N87 Epcos", "n87"));
    EXPECT_TRUE(StartsWithIgnoreCase("Феррит", "фЕР"));
    EXPECT_TRUE(StartsWithIgnoreCase("anything", ""));
    EXPECT_FALSE(StartsWithIgnoreCase("N8", "N87"));
}

TEST(ReadTextFile, StopsAtZeroByteAndBufferLimit) {
    fbtest::TempDir dir;
    dir.write("a.txt", std::string("abc\0def", 7));
    ReadResult r = ReadTextFile(dir.file("a.txt"), kBigBuffer);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.text, "abc");

    dir.write("long.txt", std::string(20000, 'x'));
    r = ReadTextFile(dir.file("long.txt"), kPfcSmallBuffer);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.text.size(), 9999u);
    EXPECT_TRUE(r.truncated);

    dir.write("exact.txt", std::string(9999, 'x'));
    r = ReadTextFile(dir.file("exact.txt"), kPfcSmallBuffer);
    EXPECT_EQ(r.text.size(), 9999u);
    EXPECT_FALSE(r.truncated);

    EXPECT_FALSE(ReadTextFile(dir.file("missing.txt"), kBigBuffer).ok);
    EXPECT_FALSE(ReadTextFile(dir.path(), kBigBuffer).ok);  // a folder is no file
}

TEST(WriteTextFileAtomic, WritesWindows1251AndReplacesWhole) {
    fbtest::TempDir dir;
    const std::string path = dir.file("f.ini");
    ASSERT_TRUE(WriteTextFileAtomic(path, "old contents\r\n").ok);
    ASSERT_TRUE(WriteTextFileAtomic(path, "Ок\r\n").ok);
    EXPECT_EQ(dir.read("f.ini"), "\xce\xea\r\n");
    EXPECT_EQ(ReadTextFile(path, kBigBuffer).text, "Ок\r\n");
}

TEST(WriteTextFileAtomic, RefusedWriteKeepsTheOldFile) {
    fbtest::TempDir dir;
    const std::string path = dir.file("f.ini");
    ASSERT_TRUE(WriteTextFileAtomic(path, "keep me").ok);
    const WriteResult r = WriteTextFileAtomic(path, "name 中");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("中"), std::string::npos);
    EXPECT_EQ(dir.read("f.ini"), "keep me");
}

TEST(WriteTextFileAtomic, UnwritableFolderIsReportedNotSilent) {
    fbtest::TempDir dir;
    const WriteResult r = WriteTextFileAtomic(dir.file("no/such/folder/f.ini"), "x");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("Не удалось записать файл"), std::string::npos);
    if (::geteuid() != 0) {  // root ignores permissions
        ASSERT_TRUE(WriteTextFileAtomic(dir.file("f.ini"), "old").ok);
        ::chmod(dir.path().c_str(), 0500);
        EXPECT_FALSE(WriteTextFileAtomic(dir.file("f.ini"), "new").ok);
        ::chmod(dir.path().c_str(), 0700);
        EXPECT_EQ(dir.read("f.ini"), "old");
    }
}
