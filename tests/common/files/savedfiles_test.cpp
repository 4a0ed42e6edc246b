// Which saved designs the list dialogs show, and the names the programs propose and write.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/data/textcodec.h"
#include "common/files/savedfiles.h"
#include "support/tempdir.h"

using namespace fb;
using Names = std::vector<std::string>;

namespace {

const Names kOpen{".sav", ".ini"};
const Names kSave{".sav"};

}  // namespace

TEST(SavedFiles, ListsMatchingOrdinaryFilesSortedTogetherIgnoringCase) {
    fbtest::TempDir dir;
    for (const char* name : {"b.sav", "A.sav", "c.ini", "B2.SAV", "notes.txt", "sav", "Flyback.ini", ".hidden.sav",
                             "x.sav.tmp-1a2b3c", "a.savx", "bad\xFF.sav"})
        dir.write(name, "[INI_DATA]\r\n");
    std::filesystem::create_directories(dir.file("folder.sav"));

    // ".sav" and ".ini" interleave: the list is one alphabet, not two groups.
    EXPECT_EQ(ListSavedFiles(dir.path(), kOpen), (Names{"A.sav", "b.sav", "B2.SAV", "c.ini", "Flyback.ini"}));
    EXPECT_EQ(ListSavedFiles(dir.path() + "/", kSave), (Names{"A.sav", "b.sav", "B2.SAV"}));
}

TEST(SavedFiles, CyrillicNamesSortByTheAlphabetIgnoringCase) {
    fbtest::TempDir dir;
    for (const char* name : {"ж.sav", "Ё.sav", "Е 2.sav", "а.sav", "Z.sav", "Б.sav", "a.sav", "A.sav"})
        dir.write(name, "");
    // Latin before Cyrillic, "ё" right after "е"; names equal but for case keep byte order.
    EXPECT_EQ(ListSavedFiles(dir.path(), kSave),
              (Names{"A.sav", "a.sav", "Z.sav", "а.sav", "Б.sav", "Е 2.sav", "Ё.sav", "ж.sav"}));
}

TEST(SavedFiles, EmptyFolderNameMeansTheCurrentFolderAndAMissingFolderListsNothing) {
    fbtest::TempDir dir;
    dir.write("one.sav", "");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    const Names here = ListSavedFiles("", kSave);
    std::filesystem::current_path(previous);
    EXPECT_EQ(here, Names{"one.sav"});
    EXPECT_TRUE(ListSavedFiles(dir.file("missing"), kOpen).empty());
    EXPECT_TRUE(ListSavedFiles(dir.file("one.sav"), kOpen).empty());  // a file is no folder
}

TEST(SavedFiles, CompareIgnoreCaseIsATotalOrderOnMalformedBytesToo) {
    EXPECT_EQ(CompareIgnoreCase("ABC", "abc"), 0);
    EXPECT_EQ(CompareIgnoreCase("Я", "я"), 0);
    EXPECT_LT(CompareIgnoreCase("ab", "abc"), 0);
    EXPECT_GT(CompareIgnoreCase("abc", "ab"), 0);
    EXPECT_LT(CompareIgnoreCase("е", "ё"), 0);
    EXPECT_LT(CompareIgnoreCase("ё", "ж"), 0);
    EXPECT_GT(CompareIgnoreCase("\xFF", "я"), 0);
    EXPECT_LT(CompareIgnoreCase("\xD0", "\xD0\xD0"), 0);  // a truncated sequence never reads past the end
}

TEST(SavedFiles, SavExtensionIsAppendedOnlyWhenTheTextDoesNotOccur) {
    EXPECT_EQ(WithSavedExtension("design"), "design.sav");
    EXPECT_EQ(WithSavedExtension("design.sav"), "design.sav");
    EXPECT_EQ(WithSavedExtension("a.sav.old"), "a.sav.old");  // ".sav" in the middle counts
    EXPECT_EQ(WithSavedExtension("A.SAV"), "A.SAV.sav");      // case-sensitive search
    EXPECT_EQ(WithSavedExtension("a.sa"), "a.sa.sav");
    EXPECT_EQ(SavedFilePath("", "a.sav"), "a.sav");
    EXPECT_EQ(SavedFilePath("/tmp/x/", "a.sav"), "/tmp/x/a.sav");
    EXPECT_EQ(SavedFilePath("/tmp/x", "/abs/a.sav"), "/abs/a.sav");
}

namespace {

// The field names of the flyback and PFC input records, as the name templates read them.
struct FlybackLike {
    std::string core = "E 25/13/7", mater = "N87 Epcos", zazor = "0.25", Fconv = "100", Umin = "200", Umirror = "124";
    std::string U21 = "12", U22 = "14", U23, U24, U25;
    std::string I21 = "2", I22 = "0.02", I23, I24, I25;
};

struct PfcLike {
    std::string core = "E 36/18/11", Fr = "100", Umax = "265", U2max = "420", P2 = "100";
};

}  // namespace

TEST(SavedFiles, FlybackDefaultNameFromTheCalculatedTexts) {
    FlybackLike in;
    EXPECT_EQ(FlybackSaveName(in), "E 25x13x7, N87 Epcos, 0.25мм, 100кГц, 200В, (124В), 12Вx2А, 14Вx0.02А.sav");
    // "Вx" is Cyrillic В (D0 92) followed by Latin x.
    EXPECT_NE(FlybackSaveName(in).find("12\xD0\x92x2"), std::string::npos);

    // Slashes become x only in the core and material; any secondary with a voltage counts,
    // even after an empty one, and its current enters as it stands.
    in.mater = "3C/90";
    in.zazor = "1/2";
    in.U22 = "";
    in.U24 = "5";
    in.I24 = "";
    EXPECT_EQ(FlybackSaveName(in), "E 25x13x7, 3Cx90, 1/2мм, 100кГц, 200В, (124В), 12Вx2А, 5ВxА.sav");
}

TEST(SavedFiles, PfcDefaultNameTurnsEveryPointIntoAComma) {
    PfcLike in;
    EXPECT_EQ(PfcSaveName(in), "E 36x18x11 100кГц, 265В, 420Вх100Вт.sav");
    // Here "Вх" is Cyrillic В and Cyrillic х (D1 85).
    EXPECT_NE(PfcSaveName(in).find("420\xD0\x92\xD1\x85"), std::string::npos);
    in.core = "RM 10.5/3";
    in.Fr = "62.5";
    EXPECT_EQ(PfcSaveName(in), "RM 10,5x3 62,5кГц, 265В, 420Вх100Вт.sav");
}

TEST(SavedFiles, WriteFailureNamesTheFileAndSaysNothingWasSaved) {
    fbtest::TempDir dir;
    const WriteResult written = WriteTextFileAtomic(dir.file("missing/a.sav"), "[INI_DATA]\r\n");
    ASSERT_FALSE(written.ok);
    const Message m = SaveFailedMessage(written);
    EXPECT_EQ(m.caption, "Внимание!");
    EXPECT_NE(m.text.find("missing/a.sav"), std::string::npos);
    EXPECT_NE(m.text.find("не сохранены"), std::string::npos);
    EXPECT_FALSE(dir.exists("missing"));
}
