#include <gtest/gtest.h>

#include "common/files/lossoptionsfile.h"
#include "support/tempdir.h"

using namespace fb;

namespace {

LossOptions Changed() {
    LossOptions o;
    o.ambient_C = 25.5;
    o.interleave = true;
    o.tape_mm = 0.0125;  // more digits than "%.3f" keeps
    o.tapeLayers = 3;
    o.margin_mm = 3;
    o.riseLimit_K = 55;
    o.harmonics = 40;
    return o;
}

bool Same(const LossOptions& a, const LossOptions& b) {
    return a.ambient_C == b.ambient_C && a.interleave == b.interleave && a.tape_mm == b.tape_mm &&
           a.tapeLayers == b.tapeLayers && a.margin_mm == b.margin_mm && a.riseLimit_K == b.riseLimit_K &&
           a.harmonics == b.harmonics;
}

}  // namespace

TEST(LossOptionsFile, WritesLocaleFreeLinesAndReadsThemBack) {
    EXPECT_EQ(LossOptionsText(Changed()),
              "# Winding and loss analysis options\r\nambient_C = 25.5\r\ninterleave = 1\r\ntape_mm = 0.0125\r\n"
              "tape_layers = 3\r\nmargin_mm = 3\r\nrise_limit_K = 55\r\nharmonics = 40\r\n");
    fbtest::TempDir dir;
    const std::string path = dir.file("Flyback.analysis.cfg");
    LossOptions read;
    EXPECT_TRUE(ReadLossOptionsFile(path, read).empty());  // no file: defaults, no word
    EXPECT_TRUE(Same(read, LossOptions{}));
    ASSERT_TRUE(WriteLossOptionsFile(path, Changed()).ok);
    EXPECT_TRUE(ReadLossOptionsFile(path, read).empty());
    EXPECT_TRUE(Same(read, Changed()));
}

// Each value that is no number of its kind or out of range keeps the option as it was and is
// named with its line; good lines around it are still taken.
TEST(LossOptionsFile, BadValuesKeepTheOptionAndSaySo) {
    LossOptions o;
    const auto problems = ParseLossOptions(
        "ambient_C = 500\n"
        "tape_mm = 0,05\n"
        "interleave = yes\n"
        "tape_layers = 2.5\n"
        "# margin_mm = 9\n"
        "unknown = 1\n"
        "  margin_mm\t=  1.5  \r\n"
        "rise_limit_K = 0\n"
        "harmonics = \n",
        o);
    ASSERT_EQ(problems.size(), 6u);
    EXPECT_EQ(problems[0], "строка 1 \"ambient_C = 500\" не принята, оставлено 40");
    EXPECT_EQ(problems[1], "строка 2 \"tape_mm = 0,05\" не принята, оставлено 0.05");
    EXPECT_TRUE(Same(o, [] {
        LossOptions expected;
        expected.margin_mm = 1.5;
        return expected;
    }()));
}
