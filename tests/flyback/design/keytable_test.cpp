// The flyback settings file: the default file byte for byte, reading it back, and the
// substring quirks of the reader that saved files rely on.
#include <gtest/gtest.h>

#include "flyback/design/fields.h"
#include "flyback/design/flyback.h"
#include "support/inputtexts.h"

namespace {

using fb::FlybackInput;

const char* const kDefaultFile =
    "[INI_DATA]\r\n"
    "core\t= E 25/13/7\r\n"
    "mater\t= N87 Epcos\r\n"
    "zazor\t= 0,25\r\n"
    "Umin\t= 200\r\n"
    "Unom\t= 290\r\n"
    "Umax\t= 350\r\n"
    "setevoe\t= 0\r\n"
    "Fconv\t= 100\r\n"
    "Umirror\t= 124\r\n"
    "Auto\t= 0\r\n"
    "Utrmax\t= 600\r\n"
    "j\t= 5\r\n"
    "Rds\t= 3\r\n"
    "Unas\t= 1\r\n"
    "rds\t= 1\r\n"
    "Iccm\t= 0\r\n"
    "U21\t= 12\r\n"
    "U22\t= 14\r\n"
    "U23\t= \r\n"
    "U24\t= \r\n"
    "U25\t= \r\n"
    "I21\t= 2\r\n"
    "I22\t= 0,02\r\n"
    "I23\t= \r\n"
    "I24\t= \r\n"
    "I25\t= \r\n"
    "Ud1\t= 0,8\r\n"
    "Ud2\t= 0,8\r\n"
    "Ud3\t= \r\n"
    "Ud4\t= \r\n"
    "Ud5\t= \r\n"
    "yes_d\t= 0\r\n"
    "yes_al\t= 0\r\n"
    "d11\t= 0,3\r\n"
    "d21\t= 0,5\r\n"
    "d22\t= 0,2\r\n"
    "d23\t= \r\n"
    "d24\t= \r\n"
    "d25\t= \r\n"
    "w1\t= \r\n"
    "w21\t= \r\n"
    "w22\t= \r\n"
    "w23\t= \r\n"
    "w24\t= \r\n"
    "w25\t= \r\n"
    "n1\t= \r\n"
    "n21\t= \r\n"
    "n22\t= \r\n"
    "n23\t= \r\n"
    "n24\t= \r\n"
    "n25\t= \r\n"
    "Uclamp\t= 100\r\n"
    "Ures\t= 20\r\n"
    "Ceq\t= 49\r\n"
    "Ls\t= 17\r\n"
    "TL1\t= 1.3\r\n"
    "TLs\t= 0,18\r\n";

// Every stored field of two records, with the w*/n* results and Usense left out.
void ExpectSameStoredFields(const FlybackInput& a, const FlybackInput& b) {
    for (const auto& f : fb::FlybackKeyTable()) {
        if (!f.readBack) continue;
        EXPECT_EQ(f.ValueText(a), f.ValueText(b)) << f.key;
    }
}

TEST(FlybackKeyTable, DefaultFileByteForByte) {
    EXPECT_EQ(fb::FlybackKeyTable().size(), 57u);
    EXPECT_EQ(fb::FlybackDesignFile().Compose(FlybackInput{}), kDefaultFile);
}

TEST(FlybackKeyTable, ReadingBackRestoresEveryReadKeyAndIgnoresResults) {
    FlybackInput written;
    written.zazor = "0.31";
    written.setevoe = 1;
    written.Auto = 1;
    written.yes_d = 1;
    written.yes_al = 1;
    written.rds = 0;
    fbtest::SetTexts(written, fb::FlybackFields(),
                     {{"U25", "48"}, {"d25", "1,2"}, {"w1", "58"}, {"n23", "4"}, {"TLs", "0.2"}, {"Usense", "0.5"}});
    const std::string text = fb::FlybackDesignFile().Compose(written);
    FlybackInput read;
    read.core.clear();
    read.Usense = "1";
    read.w1 = "keep";
    fb::FlybackDesignFile().Parse(text, read);
    ExpectSameStoredFields(written, read);
    EXPECT_EQ(read.w1, "keep");   // written only
    EXPECT_EQ(read.Usense, "1");  // not stored
}

TEST(FlybackKeyTable, SubstringRulesOfTheReader) {
    const fb::CDesignFile<FlybackInput> file = fb::FlybackDesignFile();
    FlybackInput in;
    // The letters of Ls occur first inside TLs.
    file.Parse("[INI_DATA]\r\nTLs\t= 0,3\r\n", in);
    EXPECT_EQ(in.Ls, "0,3");
    // A material name holding the letter of j: j takes the value after the next "=".
    file.Parse("[INI_DATA]\r\nmater\t= Ferroxcube 3C90j\r\nUtrmax\t= 650\r\nj\t= 5\r\n", in);
    EXPECT_EQ(in.j, "650");
    // A TAB ends the value: a unit after it is dropped.
    file.Parse("[INI_DATA]\r\nzazor\t= 0.25\tмм\r\n", in);
    EXPECT_EQ(in.zazor, "0.25");
    // A hand-written line without TAB or spaces; spaces inside a value stay.
    file.Parse("[INI_DATA]\r\ncore=  E 30/15/7  \r\nUmin=100\r\n", in);
    EXPECT_EQ(in.core, "E 30/15/7");
    EXPECT_EQ(in.Umin, "100");
    // rds and Rds are different keys.
    file.Parse("[INI_DATA]\r\nRds\t= 2.5\r\nrds\t= 0\r\n", in);
    EXPECT_EQ(in.Rds, "2.5");
    EXPECT_EQ(in.rds, 0);
    // Flags: leading digits count, letters read as 0.
    file.Parse("[INI_DATA]\r\nsetevoe\t= 1abc\r\nAuto\t= yes\r\n", in);
    EXPECT_EQ(in.setevoe, 1);
    EXPECT_EQ(in.Auto, 0);
}

TEST(FlybackKeyTable, MissingSectionOrHiddenKeysReadEmpty) {
    const fb::CDesignFile<FlybackInput> file = fb::FlybackDesignFile();
    FlybackInput in;
    file.Parse("core\t= E 25/13/7\r\nrds\t= 1\r\n", in);
    EXPECT_EQ(in.core, "");
    EXPECT_EQ(in.rds, 0);
    EXPECT_EQ(in.mater, "");
    // A second header before a key hides it from this reader.
    file.Parse("[INI_DATA]\r\ncore\t= E 20\r\n[OTHER]\r\nmater\t= N97\r\n", in);
    EXPECT_EQ(in.core, "E 20");
    EXPECT_EQ(in.mater, "");
}

TEST(FlybackFormRules, FrequencyAndContinuityLimits) {
    EXPECT_EQ(fb::LimitFconvText("150,5", 500), "150.5");
    EXPECT_EQ(fb::LimitFconvText("700", 500), "500");
    EXPECT_EQ(fb::LimitFconvText("700", 0), "700");  // no table, no limit
    bool changed = true;
    EXPECT_EQ(fb::LimitIccmText("7,5", &changed), "7.5");
    EXPECT_FALSE(changed);
    EXPECT_EQ(fb::LimitIccmText("75", &changed), "70");
    EXPECT_TRUE(changed);
    EXPECT_EQ(fb::RequiredCaption(0), "Требуемый немагнитный зазор, не менее");
    EXPECT_EQ(fb::RequiredUnit(0), "мм");
    EXPECT_EQ(fb::RequiredUnit(1), "");
}

}  // namespace
