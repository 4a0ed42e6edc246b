#include <gtest/gtest.h>

#include <map>

#include "flyback/clamper/clamper.h"
#include "support/inputtexts.h"

using namespace fb;

namespace {

// The main window's stored clamper defaults with a small transformer's results.
ClamperInput DefaultInput() {
    ClamperInput in;
    fbtest::SetTexts(in, fb::ClamperFields(),
                     {{"Urefl", "110"},
                      {"Uclamp", "100"},
                      {"Ures", "20"},
                      {"Ipk", "0.5"},
                      {"Ls", "17"},
                      {"Fconv", "100"},
                      {"Ceq", "49"},
                      {"L1", "1.010"},
                      {"L1unit", "мГн"},
                      {"TL1", "1.3"},
                      {"TLs", "0,18"}});
    return in;
}

std::map<int, std::string> Shown(const ClamperInput& in, const ClamperResult& out) {
    std::map<int, std::string> m;
    for (const auto& [id, text] : ClamperResultTexts(in, out)) m[id] = text;
    return m;
}

bool IsNan(const std::string& t) { return t == "nan" || t == "-nan"; }

}  // namespace

TEST(Clamper, DirectModeWorkedExample) {
    ClamperInput in = DefaultInput();
    ClamperResult out;
    CalculateClamper(in, out);
    EXPECT_EQ(out.CclampText, "0.376");
    EXPECT_EQ(in.Cclamp, "0.376");  // the computed capacitance fills its input field
    EXPECT_EQ(out.Rslow, "141");
    EXPECT_EQ(out.Pslow, "0.153");
    EXPECT_EQ(out.Rfast, "36.4");
    EXPECT_EQ(out.Pfast, "0.680");
    EXPECT_EQ(out.Diode, "FR107");
    EXPECT_EQ(out.UclampCalc, "");
    // The estimates belong to the other calculation.
    EXPECT_EQ(out.CeqEst, "");
    EXPECT_EQ(out.LsEst, "");
    EXPECT_EQ(Shown(in, out).at(clamperid::FirstResult), "0.376");
    EXPECT_STREQ(ModeLabels(false).label, "Емкость конденсатора");
    EXPECT_STREQ(ModeLabels(false).unit, "нФ");
}

TEST(Clamper, ReverseModeUsesTheDrainCapacitanceAndKeepsUclamp) {
    ClamperInput in = DefaultInput();
    in.reverse = true;
    in.Cclamp = "0";
    ClamperResult out;
    CalculateClamper(in, out);
    // Ct = 0.000049 µF, U = 0.5·√(17/0.000049) = 294.51 V.
    EXPECT_EQ(out.UclampCalc, "294.5");
    EXPECT_EQ(out.Rslow, "1222");
    EXPECT_EQ(out.Pslow, "0.018");
    EXPECT_EQ(out.Rfast, "157");
    EXPECT_EQ(out.Pfast, "0.371");
    EXPECT_EQ(in.Uclamp, "100");
    EXPECT_EQ(in.Cclamp, "0");
    EXPECT_EQ(Shown(in, out).at(clamperid::FirstResult), "294.5");
    EXPECT_STREQ(ModeLabels(true).label, "Амплитуда выброса");
    EXPECT_STREQ(ModeLabels(true).unit, "В");
}

TEST(Clamper, ReverseAfterDirectReturnsTheTypedOvershoot) {
    ClamperInput in = DefaultInput();
    ClamperResult out;
    CalculateClamper(in, out);
    in.reverse = true;
    CalculateClamper(in, out);
    EXPECT_EQ(out.UclampCalc, "100.0");
    EXPECT_EQ(out.CclampText, "");
}

TEST(Clamper, CommasBecomePointsInTheFields) {
    ClamperInput in = DefaultInput();
    in.Ipk = "0,5";
    in.Urefl = "110,0";
    in.Cclamp = "1,5";
    in.reverse = true;
    ClamperResult out;
    CalculateClamper(in, out);
    EXPECT_EQ(in.Ipk, "0.5");
    EXPECT_EQ(in.Urefl, "110.0");
    EXPECT_EQ(in.Cclamp, "1.5");
    // The same numbers as with points: Ct = 0.0015 + 0.000049 µF.
    ClamperInput dotted = DefaultInput();
    dotted.Ipk = "0.5";
    dotted.Urefl = "110";
    dotted.Cclamp = "1.5";
    dotted.reverse = true;
    ClamperResult again;
    CalculateClamper(dotted, again);
    EXPECT_EQ(out.UclampCalc, again.UclampCalc);
    EXPECT_EQ(out.Rslow, again.Rslow);
}

TEST(Clamper, CapacitanceBands) {
    EXPECT_EQ(FormatClampCapacitance(9.999), "9.999");
    EXPECT_EQ(FormatClampCapacitance(10), "10.0");
    EXPECT_EQ(FormatClampCapacitance(100), "100.0");
    EXPECT_EQ(FormatClampCapacitance(100.5), "101");
    EXPECT_EQ(FormatClampCapacitance(100.6), "101");
    // A drain capacitance larger than needed is shown as the negative it gives.
    EXPECT_EQ(FormatClampCapacitance(-0.575), "-0.575");

    // Through the calculation: Ct = Ls·Ipk²/Uclamp² µF exactly 0.01 and 0.1.
    ClamperInput in = DefaultInput();
    fbtest::SetTexts(in, fb::ClamperFields(), {{"Ceq", "0"}, {"Ipk", "1"}, {"Uclamp", "10"}, {"Ls", "1"}});
    ClamperResult out;
    CalculateClamper(in, out);
    EXPECT_EQ(out.CclampText, "10.0");
    in.Ls = "10";
    CalculateClamper(in, out);
    EXPECT_EQ(out.CclampText, "100.0");
    // 0.425 nF total with 1000 pF of drain capacitance.
    ClamperInput big = DefaultInput();
    big.Ceq = "1000";
    CalculateClamper(big, out);
    EXPECT_EQ(out.CclampText, "-0.575");
}

// Values at and beside the edges of each band, and the text each gives.
TEST(Clamper, ResistorBands) {
    const std::pair<double, const char*> bands[] = {{100, "100"}, {99.99, "100.0"},  {10, "10.0"}, {9.999, "10.00"},
                                                    {1, "1.00"},  {0.9999, "1.000"}, {0, "0.000"}};
    for (const auto& [ohms, text] : bands) EXPECT_EQ(FormatResistor(ohms), text) << ohms;
}

TEST(Clamper, SlowDiodeBands) {
    const std::pair<double, const char*> bands[] = {{1.5, "FR107"}, {1.6, "FR207"}, {2.999, "FR207"},
                                                    {3.0, "FR307"}, {5.0, "FR307"}, {5.01, "FR607"}};
    for (const auto& [amperes, diode] : bands) EXPECT_STREQ(SlowDiodeFor(amperes), diode) << amperes;
    ClamperInput in = DefaultInput();
    in.Ipk = "3";
    ClamperResult out;
    CalculateClamper(in, out);
    EXPECT_EQ(out.Diode, "FR307");
}

TEST(Clamper, ZeroDivisorsGiveTheFormattedInfinities) {
    ClamperResult out;
    {  // Uclamp = 0 in direct mode: an infinite capacitance.
        ClamperInput in = DefaultInput();
        in.Uclamp = "0";
        CalculateClamper(in, out);
        EXPECT_EQ(out.CclampText, "inf");
        EXPECT_EQ(in.Cclamp, "inf");
        EXPECT_EQ(out.Rslow, "0.000");
        EXPECT_EQ(out.Pslow, "inf");
        EXPECT_TRUE(IsNan(out.Rfast)) << out.Rfast;  // ln(1)·∞
    }
    {  // Fconv = 0: infinite resistors, no power.
        ClamperInput in = DefaultInput();
        in.Fconv = "";
        CalculateClamper(in, out);
        EXPECT_EQ(out.Rslow, "inf");
        EXPECT_EQ(out.Rfast, "inf");
        EXPECT_EQ(out.Pslow, "0.000");
    }
    {  // Urefl = 0: the logarithm's argument is infinite.
        ClamperInput in = DefaultInput();
        in.Urefl = "abc";
        CalculateClamper(in, out);
        EXPECT_EQ(out.Rslow, "0.000");
        EXPECT_EQ(out.Rfast, "0.000");
        in.Ures = "0";
        CalculateClamper(in, out);
        EXPECT_TRUE(IsNan(out.Rslow)) << out.Rslow;  // 0/0
    }
    {  // Reverse mode with no capacitance at all.
        ClamperInput in = DefaultInput();
        in.reverse = true;
        in.Cclamp = "";
        in.Ceq = "0";
        CalculateClamper(in, out);
        EXPECT_EQ(out.UclampCalc, "inf");
        EXPECT_EQ(out.Rslow, "inf");
        EXPECT_TRUE(IsNan(out.Pfast)) << out.Pfast;  // 0·∞
    }
    {  // Everything empty.
        ClamperInput in;
        CalculateClamper(in, out);
        EstimateLeakage(in, out);
        EXPECT_TRUE(IsNan(out.CclampText)) << out.CclampText;
        EXPECT_TRUE(IsNan(out.CeqEst)) << out.CeqEst;
        EXPECT_TRUE(IsNan(out.LsEst)) << out.LsEst;
        EXPECT_EQ(out.Diode, "FR107");
    }
}

TEST(ClamperLeakage, MillihenryUnitScalesL1) {
    ClamperInput in = DefaultInput();
    in.L1 = "1,01";
    ClamperResult out;
    EstimateLeakage(in, out);
    EXPECT_EQ(out.CeqEst, "42.38");
    EXPECT_EQ(out.LsEst, "19.36");
    EXPECT_EQ(in.L1, "1.01");
    EXPECT_EQ(in.TLs, "0.18");

    in.L1unit = "мкГн";
    EstimateLeakage(in, out);
    EXPECT_EQ(out.CeqEst, "42384.36");
    EXPECT_EQ(out.LsEst, "0.02");
    // Only the exact text counts.
    in.L1unit = "мГн ";
    EstimateLeakage(in, out);
    EXPECT_EQ(out.LsEst, "0.02");
}

TEST(ClamperLeakage, TransferFeedsTheNextClamperRun) {
    ClamperInput in = DefaultInput();
    ClamperResult out;
    EstimateLeakage(in, out);
    EXPECT_EQ(in.Ceq, "49");
    EXPECT_EQ(in.Ls, "17");

    in.transfer = true;
    EstimateLeakage(in, out);
    EXPECT_EQ(in.Ceq, "42.38");
    EXPECT_EQ(in.Ls, "19.36");
    CalculateClamper(in, out);
    ClamperInput typed = DefaultInput();
    typed.Ceq = "42.38";
    typed.Ls = "19.36";
    ClamperResult expected;
    CalculateClamper(typed, expected);
    EXPECT_EQ(out.CclampText, expected.CclampText);
    EXPECT_EQ(out.Rslow, expected.Rslow);
    EXPECT_NE(out.CclampText, "0.376");
    // The estimates survive the clamper run.
    EXPECT_EQ(out.CeqEst, "42.38");
}
