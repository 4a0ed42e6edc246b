#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>

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

// What the writer leaves around the file it replaces: a link (a chain, relative at each step)
// stays a link to the new contents, the owner (root writing a user's file) and permissions
// stay, names of 245-255 bytes work, and no temporary file is left.
TEST(WriteTextFileAtomic, WritesThroughLinksAndKeepsOwnerModeAndLongNames) {
    namespace fs = std::filesystem;
    fbtest::TempDir dir;
    dir.write("real/settings.ini", "old");
    const std::string real = dir.file("real/settings.ini");
    ::chmod(real.c_str(), 0640);
    const uid_t owner = ::geteuid() == 0 ? 65534 : ::geteuid();
    ASSERT_EQ(::chown(real.c_str(), owner, static_cast<gid_t>(-1)), 0);
    fs::create_symlink("real/settings.ini", dir.file("link.ini"));
    fs::create_symlink("link.ini", dir.file("link2.ini"));
    ASSERT_TRUE(WriteTextFileAtomic(dir.file("link2.ini"), "new").ok);
    EXPECT_TRUE(fs::is_symlink(dir.file("link2.ini")) && fs::is_symlink(dir.file("link.ini")));
    EXPECT_EQ(dir.read("real/settings.ini"), "new");
    struct stat st {};
    ASSERT_EQ(::stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(st.st_uid, owner);
    for (size_t length : {245u, 255u})
        EXPECT_TRUE(WriteTextFileAtomic(dir.file(std::string(length - 4, 'a') + ".sav"), "x").ok) << length;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 5);
}

// Only the writer's own temporary files older than a minute go: a younger one may belong to
// a write under way; links and other names are never touched.
TEST(WriteTextFileAtomic, StaleTemporaryFilesOfAKilledWriterAreRemoved) {
    namespace fs = std::filesystem;
    fbtest::TempDir dir;
    const std::vector<std::string> kept = {".fbtmp.young1", ".fbtmp.short", "x.fbtmp.Ab12Cd", ".fbtmp.linkxx"};
    for (const char* name : {".fbtmp.Ab12Cd", ".fbtmp.young1", ".fbtmp.short", "x.fbtmp.Ab12Cd"}) dir.write(name, "x");
    fs::create_symlink("x.fbtmp.Ab12Cd", dir.file(".fbtmp.linkxx"));
    const timespec old[2] = {{0, UTIME_OMIT}, {std::time(nullptr) - 120, 0}};
    for (const char* name : {".fbtmp.Ab12Cd", ".fbtmp.short", "x.fbtmp.Ab12Cd", ".fbtmp.linkxx"})
        ::utimensat(AT_FDCWD, dir.file(name).c_str(), old, AT_SYMLINK_NOFOLLOW);
    EXPECT_EQ(RemoveStaleTemporaries(dir.path()), 1);
    EXPECT_FALSE(dir.exists(".fbtmp.Ab12Cd"));
    for (const std::string& name : kept) EXPECT_TRUE(fs::is_symlink(dir.file(name)) || dir.exists(name)) << name;
}
