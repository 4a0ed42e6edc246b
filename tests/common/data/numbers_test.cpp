#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include "common/data/numbers.h"

using namespace fb;

namespace {

// Runs the body under a comma-decimal locale when the machine has one, so a formatter
// that leaned on the C library's locale would print "0,5" and fail.
class NumbersTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        const char* loc = GetParam();
        if (loc[0] && !std::setlocale(LC_ALL, loc)) GTEST_SKIP() << "locale " << loc << " not installed";
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

}  // namespace

TEST_P(NumbersTest, ReadsLeadingNumberWithCommaOrPoint) {
    EXPECT_DOUBLE_EQ(TextToDouble("12,5"), 12.5);
    EXPECT_DOUBLE_EQ(TextToDouble("12.5"), 12.5);
    EXPECT_DOUBLE_EQ(TextToDouble("  -3.5e2xyz"), -350);
    EXPECT_DOUBLE_EQ(TextToDouble("+.5"), 0.5);
    EXPECT_DOUBLE_EQ(TextToDouble("5."), 5);
    EXPECT_DOUBLE_EQ(TextToDouble("1e"), 1);
    EXPECT_DOUBLE_EQ(TextToDouble("1e+"), 1);
    EXPECT_DOUBLE_EQ(TextToDouble("0,25 мм"), 0.25);
}

TEST_P(NumbersTest, NonNumbersReadAsZero) {
    for (const char* t : {"", " ", "abc", ".", "-", "inf", "-inf", "nan", "NAN(1)", "infinity", "e5", "мм"})
        EXPECT_EQ(TextToDouble(t), 0.0) << t;
    // The hexadecimal form is not accepted: only its leading 0 is a number.
    EXPECT_EQ(TextToDouble("0x1A"), 0.0);
    EXPECT_EQ(TextToDouble("0x1p3"), 0.0);
}

TEST_P(NumbersTest, OverflowAndUnderflowFollowStrtod) {
    EXPECT_TRUE(std::isinf(TextToDouble("1e400")));
    EXPECT_TRUE(std::isinf(TextToDouble("-1e400")) && TextToDouble("-1e400") < 0);
    EXPECT_EQ(TextToDouble("1e-400"), 0.0);
    EXPECT_EQ(TextToDouble("1e308"), 1e308);
}

TEST_P(NumbersTest, IntegersFollowAtoi) {
    EXPECT_EQ(TextToInt("2000.7"), 2000);
    EXPECT_EQ(TextToInt(" -12abc"), -12);
    EXPECT_EQ(TextToInt("abc"), 0);
    EXPECT_EQ(TextToInt(""), 0);
    EXPECT_EQ(TextToInt("99999999999999999999"), 2147483647);
    EXPECT_EQ(TextToInt("-99999999999999999999"), -2147483647 - 1);
}

TEST_P(NumbersTest, FixedFormatsRoundCorrectly) {
    EXPECT_EQ(F3(0.5), "0.500");
    EXPECT_EQ(F2(25), "25.00");
    EXPECT_EQ(F1(46), "46.0");
    EXPECT_EQ(F0(1234.4), "1234");
    EXPECT_EQ(F3(0.1 + 0.2), "0.300");
    EXPECT_EQ(F2(19.634954084936208), "19.63");
    EXPECT_EQ(F0(0.4), "0");
    EXPECT_EQ(F0(9.5), "10");
    EXPECT_EQ(F1(99.96), "100.0");
    EXPECT_EQ(F3(1e20), "100000000000000000000.000");
    // 2.675 is stored just below the tie, so it rounds down as printf does.
    EXPECT_EQ(F2(2.675), "2.67");
    EXPECT_EQ(F1(0.05), "0.1");  // 0.05 is stored just above the tie
    EXPECT_EQ(F1(0.25), "0.3");  // an exact tie rounds away from zero (glibc: 0.2)
}

TEST_P(NumbersTest, ExactTiesRoundAwayFromZero) {
    EXPECT_EQ(F0(230 * 1.35), "311");  // 310.5 exactly
    EXPECT_EQ(F0(0.5), "1");
    EXPECT_EQ(F0(2.5), "3");
    EXPECT_EQ(F0(-2.5), "-3");
    EXPECT_EQ(F2(1.125), "1.13");
    EXPECT_EQ(F3(-0.0625), "-0.063");
}

TEST_P(NumbersTest, SignsAndSpecialValuesAsTheCLibraryPrintsThem) {
    EXPECT_EQ(F1(-0.0), "-0.0");
    EXPECT_EQ(F0(-0.4), "-0");
    EXPECT_EQ(F3(std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(F3(-std::numeric_limits<double>::infinity()), "-inf");
    EXPECT_EQ(F2(std::nan("")), "nan");
    EXPECT_EQ(F2(-std::nan("")), "-nan");
    EXPECT_EQ(F0(1.7976931348623157e308).size(), 309u);
    EXPECT_EQ(F3(4.9e-324), "0.000");
    EXPECT_EQ(FormatInt(-17), "-17");
}

TEST_P(NumbersTest, TidyDropsTrailingZeros) {
    EXPECT_EQ(TidyNumber(0.5), "0.5");
    EXPECT_EQ(TidyNumber(1.0), "1");
    EXPECT_EQ(TidyNumber(0.315), "0.315");
    EXPECT_EQ(TidyText("0.500"), "0.5");
    EXPECT_EQ(TidyText("100"), "100");
    EXPECT_EQ(TidyText("0.0"), "0");
}

TEST(Truncation, NeverUndefined) {
    EXPECT_EQ(TruncToInt(3.99), 3);
    EXPECT_EQ(TruncToInt(-3.99), -3);
    EXPECT_EQ(TruncToInt(1e300), 2147483647);
    EXPECT_EQ(TruncToInt(std::nan("")), 0);
}

INSTANTIATE_TEST_SUITE_P(Locales, NumbersTest, ::testing::Values("", "ru_RU.UTF-8"));
