#include "boostcoil/design/pfc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>

#include "boostcoil/design/pfccatalogue.h"
#include "boostcoil/design/pfcfixture.h"
#include "boostcoil/design/pfctestdata.h"
#include "common/data/gapmodel.h"
#include "common/data/numbers.h"
#include "common/data/textfile.h"
#include "support/inputtexts.h"

namespace fb {
namespace {

class PfcDesign : public pfctest::LoadedDataRoot {
protected:
    PfcResult Run(const PfcInput& in) { return CalculateChoke(in, Core(in.core), material, wires); }
};

TEST_F(PfcDesign, WorkedExampleOfTheDefaults) {
    const PfcResult r = Run(PfcInput{});
    ASSERT_TRUE(r.calculated);
    EXPECT_NEAR(r.Pin, 109.794, 5e-4);
    EXPECT_DOUBLE_EQ(r.I2, 0.25);
    EXPECT_NEAR(r.Iin_min, 1.292, 5e-4);
    EXPECT_NEAR(r.Iin_max, 0.414, 5e-4);
    EXPECT_NEAR(r.D_min, 0.699, 5e-4);
    EXPECT_NEAR(r.D_max, 0.063, 5e-4);
    EXPECT_NEAR(r.VT_min, 840.83, 5e-3);
    EXPECT_NEAR(r.VT_max, 236.42, 5e-3);
    EXPECT_NEAR(r.VT_min / r.Lreq, 0.731, 5e-4);  // the provisional ripple
    EXPECT_NEAR(r.Lreq, 1150.74, 5e-3);
    EXPECT_NEAR(r.Cin, 161.2, 0.05);
    EXPECT_NEAR(r.Cout, 86.8, 0.05);
    EXPECT_EQ(r.texts.at(1060), "1.151");
    EXPECT_EQ(r.labels.at(1061), "мГн");
    EXPECT_EQ(r.texts.at(1069), "161.2");
    EXPECT_EQ(r.labels.at(1080), "нФ");
    EXPECT_EQ(r.texts.at(1079), "86.8");
    EXPECT_EQ(r.texts.at(1070), "1.292");
    EXPECT_EQ(r.texts.at(1071), "0.414");
    EXPECT_EQ(r.texts.at(1076), "0.699");
    EXPECT_EQ(r.texts.at(1077), "0.063");
    EXPECT_EQ(r.texts.at(1032), "10.218");
    EXPECT_EQ(r.labels.at(1016), "Требуемый немагнитный зазор, не менее");
    EXPECT_EQ(r.labels.at(1082), "мм");
    // Every result control is filled.
    for (int id : kPfcResultIds) EXPECT_FALSE(r.texts.at(id).empty()) << id;
}

// The fringing model for the default 1 mm gap, written out by hand: a wrong residual gap or
// a material/core permeability mix-up moves the AL text.
TEST_F(PfcDesign, ForwardAlOfAGapUsesFringingAndResidualGap) {
    const PfcResult r = Run(PfcInput{});
    const double Ffr = 1 + (1 / std::sqrt(131.0)) * std::log(78 / (3 * 1.0));
    const double g0 = 78.0 / 1800 - 78.0 / 2200;
    const double g = (1 + g0) / Ffr;
    const double AL = 1.2566370614359172 * 131 / (g + (78 - g) / 2200);
    EXPECT_EQ(r.AL, AL);
    EXPECT_EQ(r.ALText, "200.8");
    EXPECT_EQ(r.passes, 1);
}

TEST_F(PfcDesign, InformationTextByteForByte) {
    const PfcResult r = Run(PfcInput{});
    EXPECT_EQ(r.texts.at(1051),
              "Индуктивность сердечника, нГн/виток^2\t200.8\r\n"
              "Эффективная магнитная проницаемость\t95.2\r\n\r\n"
              "Действующий ток в обмотке, максимальный\t1.839 A\r\n"
              "Действующий ток в ключе, максимальный\t1.538 A\r\n\r\n"
              "Настройка ограничения тока не более\t4.017 A\r\n");
    // Latin A and T, not the Cyrillic letters.
    EXPECT_EQ(r.tooltips.at(1058), "Амплитуда переменной составляющей индукции " + F3(r.Bac) + " T");
    EXPECT_EQ(r.tooltips.at(1058).back(), 'T');
}

TEST_F(PfcDesign, RippleIsClampedTo1And200) {
    // Typed ripple, the text it becomes, and the limit it then designs like.
    const struct { const char *typed, *shown, *limit; } kCases[] = {{"0,5", "1.0", "1"}, {"250", "200.0", "200"}};
    for (const auto& c : kCases) {
        PfcInput in;
        in.Irip = c.typed;
        const PfcResult clamped = Run(in);
        EXPECT_EQ(clamped.input.Irip, c.shown);
        in.Irip = c.limit;
        const PfcResult limit = Run(in);
        EXPECT_EQ(limit.input.Irip, c.limit);
        EXPECT_EQ(clamped.Lreq, limit.Lreq) << c.typed;
    }
}

TEST_F(PfcDesign, CommasBecomePointsInEveryNumericInput) {
    PfcInput in;
    fbtest::SetTexts(in, fb::PfcFields(),
                     {{"zazor", "1,0"},
                      {"Fr", "100,0"},
                      {"Irip", "40,0"},
                      {"j", "5,0"},
                      {"Umin", "85,0"},
                      {"Umax", "265,0"},
                      {"U2min", "320,0"},
                      {"U2nom", "400,0"},
                      {"U2max", "420,5"},
                      {"P2", "100,0"}});
    const PfcResult r = Run(in);
    EXPECT_EQ(r.input.zazor, "1.0");
    EXPECT_EQ(r.input.Fr, "100.0");
    EXPECT_EQ(r.input.Irip, "40.0");
    EXPECT_EQ(r.input.j, "5.0");
    EXPECT_EQ(r.input.Umin, "85.0");
    EXPECT_EQ(r.input.Umax, "265.0");
    EXPECT_EQ(r.input.U2min, "320.0");
    EXPECT_EQ(r.input.U2nom, "400.0");
    EXPECT_EQ(r.input.U2max, "420.5");
    EXPECT_EQ(r.input.P2, "100.0");
    EXPECT_EQ(r.texts.at(1060), Run(PfcInput{}).texts.at(1060));
}

TEST_F(PfcDesign, SmallGapIsRaisedToTheRequiredOne) {
    PfcInput in;
    in.zazor = "0.1";
    const PfcResult r = Run(in);
    ASSERT_GE(r.passes, 2);
    EXPECT_TRUE(std::regex_match(r.input.zazor, std::regex(R"(\d+\.\d\d)"))) << r.input.zazor;
    EXPECT_LE(r.gap_req, TextToDouble(r.input.zazor));
    EXPECT_EQ(r.texts.at(1055), F3(r.gap_req + 0.0005));
    // The shown results belong to the corrected gap: running it again changes nothing.
    in.zazor = r.input.zazor;
    const PfcResult again = Run(in);
    EXPECT_EQ(again.passes, 1);
    EXPECT_EQ(again.texts, r.texts);
    EXPECT_EQ(again.input.zazor, r.input.zazor);
}

// A core of low permeability needs no added gap: the ungapped AL uses the material's
// permeability, and a required gap of 0 is shown as 0.001.
TEST_F(PfcDesign, NoGapUsesMaterialPermeability) {
    PfcInput in;
    in.core = "E 25/13/7";
    in.zazor = "0";
    const PfcResult r = Run(in);
    EXPECT_EQ(r.passes, 1);
    EXPECT_EQ(r.AL, 2200 * 1.2566370614359172 * 52 / 57.5);
    EXPECT_EQ(r.gap_req, 0);
    EXPECT_EQ(r.texts.at(1055), "0.001");
    EXPECT_EQ(r.input.zazor, "0");
}

TEST_F(PfcDesign, LargeAlIsLoweredToWholeNumbers) {
    PfcInput in;
    in.yes_al = 1;
    in.zazor = "2000";
    const PfcResult r = Run(in);
    ASSERT_GE(r.passes, 2);
    EXPECT_TRUE(std::regex_match(r.input.zazor, std::regex(R"(\d+)"))) << r.input.zazor;
    EXPECT_EQ(r.texts.at(1055), F0(r.AL_req));
    EXPECT_EQ(r.ALText, F1(TextToDouble(r.input.zazor)));
    EXPECT_EQ(r.texts.at(1051).substr(0, r.texts.at(1051).find('\r')),
              "Индуктивность сердечника, нГн/виток^2\t" + r.input.zazor + ".0");
    EXPECT_LE(TextToDouble(r.input.zazor), r.AL_req);
    EXPECT_EQ(r.labels.at(1016), "Требуемая величина AL, не более");
    EXPECT_EQ(r.labels.at(1082), "");
}

TEST_F(PfcDesign, SmallAlStaysAsEntered) {
    PfcInput in;
    in.yes_al = 1;
    in.zazor = "100";
    const PfcResult r = Run(in);
    EXPECT_EQ(r.passes, 1);
    EXPECT_EQ(r.input.zazor, "100");
    EXPECT_EQ(r.ALText, "100.0");
    EXPECT_EQ(r.texts.at(1055), F0(r.AL_req));
    EXPECT_GT(r.AL_req, 100);
}

TEST_F(PfcDesign, CoreWithAlLawUsesItBothWays) {
    PfcInput in;
    in.core = "E 42/21/15";
    in.zazor = "0,5";
    const PfcResult r = Run(in);
    EXPECT_EQ(r.AL, 95.2 * std::pow(0.5, -0.72));
    EXPECT_EQ(r.gap_req, std::pow(r.AL_req / 95.2, 1 / -0.72));
}

TEST_F(PfcDesign, UnitsSwitchAtExactly1000) {
    EXPECT_EQ(InductanceText(999.9).text, "999.900");
    EXPECT_EQ(InductanceText(999.9).unit, "мкГн");
    EXPECT_EQ(InductanceText(1000).text, "1.000");
    EXPECT_EQ(InductanceText(1000).unit, "мГн");
    EXPECT_EQ(InputCapacitorText(999.9).text, "999.9");
    EXPECT_EQ(InputCapacitorText(999.9).unit, "нФ");
    EXPECT_EQ(InputCapacitorText(1000).text, "1.0");
    EXPECT_EQ(InputCapacitorText(1000).unit, "мкФ");
    EXPECT_EQ(OutputCapacitorText(999.94), "999.9");
    EXPECT_EQ(OutputCapacitorText(1000), "1000");
    EXPECT_EQ(OutputCapacitorText(1234.5), "1235");
}

// A small inductance and a large capacitance through the whole design: the labels follow.
TEST_F(PfcDesign, SmallInductanceAndLargeCapacitorLabels) {
    PfcInput in;
    in.Fr = "10";
    in.Irip = "200";
    in.P2 = "2000";
    // A gap entered that large already: the one the correction would want is beyond le/3.
    in.zazor = "1000";
    const PfcResult r = Run(in);
    ASSERT_TRUE(r.calculated);
    ASSERT_LT(r.Lreq, 1000);
    EXPECT_EQ(r.labels.at(1061), "мкГн");
    EXPECT_EQ(r.texts.at(1060), F3(r.Lreq));
    ASSERT_GE(r.Cin, 1000);
    EXPECT_EQ(r.labels.at(1080), "мкФ");
    EXPECT_EQ(r.texts.at(1069), F1(r.Cin / 1000));
    ASSERT_GE(r.Cout, 1000);
    EXPECT_EQ(r.texts.at(1079), F0(r.Cout));
}

TEST_F(PfcDesign, DesiredDiameterIsReplacedWithAMessage) {
    for (int yes_d : {0, 1}) {
        PfcInput in;
        in.yes_d = yes_d;
        in.d11 = "0,5";
        const PfcResult r = Run(in);
        EXPECT_EQ(r.input.d11, "0.51");
        ASSERT_EQ(r.messages.size(), 1u);
        EXPECT_EQ(r.messages[0].caption, "Внимание!");
        EXPECT_EQ(r.messages[0].text,
                  "Указанный желаемый диаметр 0.5 мм заменен на ближайший стандартный диаметр 0.51 мм");
        in.d11 = "0,630";
        const PfcResult same = Run(in);
        EXPECT_EQ(same.input.d11, "0.63");
        EXPECT_TRUE(same.messages.empty());
    }
}

// j chosen so that Sreq/Sw is the wanted ratio for the desired 0.63 mm wire.
PfcInput WithStrandRatio(double irms, double ratio) {
    PfcInput in;
    in.yes_d = 1;
    const double Sw = 0.63 * 0.63 * M_PI * 0.25;
    in.j = FormatFixed(irms / (ratio * Sw), 12);
    return in;
}

TEST_F(PfcDesign, DesiredWireStrandRule) {
    const double irms = Run(PfcInput{}).Irms;
    EXPECT_EQ(Run(WithStrandRatio(irms, 2.05)).strands, 2);
    EXPECT_EQ(Run(WithStrandRatio(irms, 2.3)).strands, 3);
    const PfcResult thin = Run(WithStrandRatio(irms, 0.4));
    EXPECT_EQ(thin.strands, 1);
    EXPECT_EQ(thin.texts.at(1065), "0.63");
    EXPECT_EQ(thin.texts.at(1066), "1");
}

TEST_F(PfcDesign, ChosenWireIsTheSmallestLargeEnough) {
    const PfcResult r = Run(PfcInput{});  // Sreq ≈ 0.368 mm²: 0.63 mm (0.312) is too thin
    EXPECT_EQ(r.strands, 1);
    EXPECT_EQ(r.texts.at(1065), "0.8");
    EXPECT_GE(r.Sw, r.Sreq);
    EXPECT_EQ(r.jmax, r.Irms / r.Sw);
    PfcInput in;
    in.j = "0,5";  // Sreq ≈ 3.68 mm², above the thickest wire's 0.785
    const PfcResult many = Run(in);
    EXPECT_EQ(many.texts.at(1066), "5");
    EXPECT_EQ(many.texts.at(1065), "1");
}

TEST_F(PfcDesign, UnusableMaterialIsRefused) {
    CMaterial empty;
    empty.name = "Broken";
    PfcInput in;
    in.Fr = "100,5";
    const PfcResult r = CalculateChoke(in, Core(in.core), empty, wires);
    EXPECT_FALSE(r.calculated);
    EXPECT_EQ(r.input.Fr, "100,5");
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_NE(r.messages[0].text.find("Broken"), std::string::npos);
    EXPECT_EQ(r.texts.at(1060), "");
    EXPECT_EQ(r.texts.at(1051), "");
}

TEST_F(PfcDesign, EmptyWireTableLeavesTheWireEmpty) {
    CWireTable none;
    const PfcResult r = CalculateChoke(PfcInput{}, Core("E 36/18/11"), material, none);
    EXPECT_TRUE(r.calculated);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_NE(r.messages[0].text.find("Wire.txt"), std::string::npos);
    EXPECT_EQ(r.texts.at(1065), "");
    EXPECT_EQ(r.texts.at(1066), "");
    EXPECT_EQ(r.texts.at(1060), "1.151");
}

// Zero divisors are shown as the formatting gives them; the loop ends at the first nan.
TEST_F(PfcDesign, ZeroDivisorsShowInfAndNan) {
    PfcInput in;
    in.Fr = "0";
    const PfcResult r = Run(in);
    EXPECT_TRUE(r.calculated);
    EXPECT_LE(r.passes, 2);
    EXPECT_EQ(r.texts.at(1060), "inf");
    EXPECT_EQ(r.texts.at(1069), "inf");
    PfcInput flat;
    flat.U2min = "400";  // U2nom = U2min
    EXPECT_EQ(Run(flat).texts.at(1079), "inf");
}

// An infinite requirement would be written as "inf", read back as 0 and go round for ever.
TEST_F(PfcDesign, InfiniteGapRequirementEndsTheLoop) {
    PfcInput in;
    in.core = "PQ 32/20";
    in.Umin = "1e308";
    const PfcResult r = Run(in);
    EXPECT_LT(r.passes, kPfcMaxPasses);
}

TEST_F(PfcDesign, EndlessCorrectionStopsWithAMessage) {
    PfcInput in;
    in.yes_al = 1;
    in.zazor = "90557.844";
    in.Fr = "46530.540";
    in.Irip = "121465.187";
    const PfcResult r = Run(in);
    EXPECT_EQ(r.passes, kPfcMaxPasses);
    // The last pass does not rewrite the value: the results shown belong to it.
    EXPECT_LT(TextToDouble(r.input.zazor), 90557.844);
    EXPECT_EQ(r.ALText, F1(TextToDouble(r.input.zazor)));
    EXPECT_LT(TextToDouble(r.texts.at(1055)), TextToDouble(r.input.zazor));
    ASSERT_FALSE(r.messages.empty());
    EXPECT_EQ(r.messages[0].text,
              "Величина AL не подобрана за 1000 проходов расчета. Показаны результаты последнего прохода.");
}

// Letters, empty texts, huge and negative values in every field: no crash (the sanitizer
// build checks for undefined behaviour), no hang, every result control filled.
TEST_F(PfcDesign, AnyTextIsSafe) {
    const char* texts[] = {"", "abc", "-5", "0", "1e308", "-1e308", "1e-320", "nan", "inf", ",", "1,2,3"};
    using Field = std::string PfcInput::*;
    const Field fields[] = {&PfcInput::zazor, &PfcInput::Fr,    &PfcInput::Irip,  &PfcInput::j,  &PfcInput::Umin,
                            &PfcInput::Umax,  &PfcInput::U2min, &PfcInput::U2nom, &PfcInput::P2, &PfcInput::d11};
    for (int yes_al : {0, 1})
        for (const Field field : fields)
            for (const char* t : texts) {
                PfcInput in;
                in.yes_al = yes_al;
                in.yes_d = yes_al;
                in.*field = t;
                const PfcResult r = Run(in);
                EXPECT_LE(r.passes, kPfcMaxPasses) << t;
                EXPECT_EQ(r.texts.size(), 24u) << t;
            }
    // The core's own texts too.
    CoreRecord core = Core("E 36/18/11");
    for (const char* t : texts) {
        CoreRecord c = core;
        c.AeText = c.AnText = c.leText = c.muText = t;
        EXPECT_LE(CalculateChoke(PfcInput{}, c, material, wires).passes, kPfcMaxPasses) << t;
    }
}

TEST_F(PfcDesign, GapForAlOfTheProgramStartsFromTheCoreTexts) {
    CoreRecord core = Core("E 36/18/11");
    double Ffr = 1;
    GapCore g;
    g.Ae = 131;
    g.le = 78;
    g.mui = 2200;
    g.g0 = ResidualGap(78, 1800, 2200);
    double Ffr2 = 1;
    EXPECT_EQ(GapForAL(300, core, material, Ffr), GapForAL(300, g, Ffr2));
    EXPECT_EQ(Ffr, Ffr2);
}

TEST(PfcLabels, GapAndAlModes) {
    EXPECT_EQ(LabelsForMode(0).label, "Требуемый немагнитный зазор, не менее");
    EXPECT_EQ(LabelsForMode(0).unit, "мм");
    EXPECT_EQ(LabelsForMode(2).label, "Требуемая величина AL, не более");
    EXPECT_EQ(LabelsForMode(2).unit, "");
}

}  // namespace
}  // namespace fb
