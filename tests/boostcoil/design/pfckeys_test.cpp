#include "boostcoil/design/pfckeys.h"

#include <gtest/gtest.h>

#include "boostcoil/design/pfccatalogue.h"
#include "support/inputtexts.h"
#include "tests/support/tempdir.h"

namespace fb {
namespace {

const char* const kDefaultFile =
    "[INI_DATA]\r\n"
    "core\t= E 36/18/11\r\nmater\t= N87 Epcos\r\nzazor\t= 1\r\nFr\t= 100\r\nIrip\t= 40\r\nj\t= 5\r\n"
    "Umin\t= 85\r\nUmax\t= 265\r\nU2min\t= 320\r\nU2nom\t= 400\r\nU2max\t= 420\r\nP2\t= 100\r\n"
    "d11\t= 0,63\r\nyes_d\t= 0\r\nyes_al\t= 0\r\n";

TEST(PfcKeys, DefaultsComposeInTableOrder) { EXPECT_EQ(PfcDesignFile().Compose(PfcInput{}), kDefaultFile); }

TEST(PfcKeys, EveryFieldSurvivesWriteAndRead) {
    PfcInput in;
    fbtest::SetTexts(in, fb::PfcFields(),
                     {{"core", "PQ 32/20"},
                      {"mater", "3C90 Ferroxcube"},
                      {"zazor", "153"},
                      {"Fr", "62,5"},
                      {"Irip", "1.0"},
                      {"j", "4"},
                      {"Umin", "90"},
                      {"Umax", "264"},
                      {"U2min", "330"},
                      {"U2nom", "390"},
                      {"U2max", ""},
                      {"P2", "250"},
                      {"d11", "0.51"}});
    in.yes_d = 1;
    in.yes_al = 1;
    fbtest::TempDir dir;
    const std::string path = dir.file("a.sav");
    ASSERT_TRUE(PfcDesignFile().Write(path, in).ok);
    PfcInput back;
    back.yes_d = 7;  // a missing key would not reset it: every key must be read
    ASSERT_TRUE(PfcDesignFile().Read(path, back));
    EXPECT_EQ(PfcDesignFile().Compose(back), PfcDesignFile().Compose(in));
    EXPECT_EQ(back.Fr, "62,5");
    EXPECT_EQ(back.U2max, "");
    EXPECT_EQ(back.yes_d, 1);
}

// The PFC reader: no section end at the next "[", and only bytes 0x00-0x0D end a value.
TEST(PfcKeys, PfcReaderRules) {
    PfcInput in;
    PfcDesignFile().Parse("[INI_DATA]\r\ncore\t= E 20/10/6\r\n[OTHER]\r\nzazor\t= 0,25\x1Fmm\r\nFr = 50\tkHz\r\n", in);
    EXPECT_EQ(in.core, "E 20/10/6");
    EXPECT_EQ(in.zazor, "0,25\x1Fmm");
    EXPECT_EQ(in.Fr, "50");
    EXPECT_EQ(in.mater, "");  // missing keys empty the field
    EXPECT_EQ(in.yes_al, 0);
}

TEST(PfcKeys, FlagsReadWithAtoiRules) {
    PfcInput in;
    PfcDesignFile().Parse("[INI_DATA]\r\nyes_d\t= 1abc\r\nyes_al\t= x\r\n", in);
    EXPECT_EQ(in.yes_d, 1);
    EXPECT_EQ(in.yes_al, 0);
}

TEST(PfcKeys, LongFileIsReadOnlyUpToTheBuffer) {
    fbtest::TempDir dir;
    // 9,999 bytes of content are used; a key beyond them is not found.
    std::string text = "[INI_DATA]\r\nFr\t= 75\r\n";
    text += std::string(9999 - text.size(), ' ');
    text += "\r\nP2\t= 300\r\n";
    dir.write("long.sav", text);
    PfcInput in;
    ASSERT_TRUE(PfcDesignFile().Read(dir.file("long.sav"), in));
    EXPECT_EQ(in.Fr, "75");
    EXPECT_EQ(in.P2, "");
}

}  // namespace
}  // namespace fb
