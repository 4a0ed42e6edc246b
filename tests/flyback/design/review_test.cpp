// Whole designs against texts worked out independently from the design rules, the turn
// match on its bound, an unloaded secondary, and ordinary designs that no guard may stop.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "common/data/numbers.h"
#include "flyback/design/fields.h"
#include "support/inputtexts.h"
#include "tests/flyback/design/fixture.h"

namespace {

using fb::FlybackInput;
using fbtest::Bench;
namespace ctl = fb::ctl;
using Texts = std::map<int, std::string>;

void ExpectTexts(const fb::FlybackOutcome& o, const Texts& results, const Texts& tips) {
    for (const auto& [id, text] : results) EXPECT_EQ(o.results.at(id), text) << id;
    // Every other result control stays blank.
    for (int id : fb::FlybackResultControls()) {
        if (!results.count(id)) {
            EXPECT_EQ(o.results.at(id), "") << id;
        }
    }
    for (const auto& [id, text] : tips) EXPECT_EQ(o.tooltips.at(id), text) << id;
}

std::vector<std::string> MessageTexts(const fb::Messages& messages) {
    std::vector<std::string> v;
    for (const fb::Message& m : messages) {
        EXPECT_EQ(m.caption, "Внимание!");
        v.push_back(m.text);
    }
    return v;
}

// AC mains with Auto, Rds(on), 30 % continuity, a too small gap, secondary 2 absent (its
// current left filled) and secondary 3 present: three passes.
TEST(FlybackReview, AcAutoDesignWithGapCorrection) {
    Bench b;
    FlybackInput in;
    in.setevoe = 1;
    in.Umin = "187";
    in.Unom = "230";
    in.Umax = "264";
    in.Auto = 1;
    fbtest::SetTexts(in, fb::FlybackFields(),
                     {{"Iccm", "30"},
                      {"zazor", "0,1"},
                      {"Fconv", "65"},
                      {"Usense", "0,5"},
                      {"U22", ""},
                      {"I22", "0,5"},
                      {"Ud2", "0,7"},
                      {"U23", "5"},
                      {"I23", "1,5"},
                      {"Ud3", "0,45"},
                      {"d23", "0,4"}});
    const fb::FlybackOutcome o = b.Run(in);
    ASSERT_TRUE(o.computed);
    EXPECT_EQ(o.result.passes, 3);
    ExpectTexts(o,
                {{1141, "172.2"},
                 {1103, "197.6"},
                 {1082, "0.356"},
                 {1122, "121.6"},
                 {1123, "122.0"},
                 {1102, "2.568"},
                 {1138, "0.254"},
                 {1139, "0.281"},
                 {1137, "0.326"},
                 {1100, "20.76"},
                 {1101, "24.26"},
                 {1099, "30.23"},
                 {1091, "0.105"},
                 {1092, "0.121"},
                 {1090, "0.149"},
                 {1093, "0.703"},
                 {1108, "0.118"},
                 {1083, "(не более 0.320 T)"},
                 {1084, "0.302"},
                 {1111, "0.670"},
                 {1085, "51"},
                 {1232, "114"},
                 {1125, "витков, провод 0.3 x 1"},
                 {1131, "3.875"},
                 {1140, "0.201"},
                 {1233, "12"},
                 {1126, "0.5 x 3"},
                 {1132, "4.330"},
                 {1112, "12.00 В"},
                 {1117, "50 В"},
                 {1094, "1.583 А"},
                 {1235, "6"},
                 {1128, "0.5 x 2"},
                 {1134, "4.871"},
                 {1114, "5.95 В"},
                 {1119, "25 В"},
                 {1096, "1.187 А"}},
                {{1125, "Диаметр провода по скин-эффекту  0.518 мм"},
                 {1126, "Диаметр провода по скин-эффекту  0.518 мм"},
                 {1232, "Минимальное число витков первичной обмотки 108"},
                 {1102, "Индуктивность первичной обмотки должна быть не более 2.555 мГн"},
                 {1091, "Действующий ток 0.223 A"},
                 {1092, "Действующий ток 0.242 A"},
                 {1090, "Действующий ток 0.274 A"},
                 {1084, "Амплитуда переменной составляющей индукции 0.105 T"},
                 {1132, "Действующий ток 2.551 A"},
                 {1133, "Действующий ток"},
                 {1134, "Действующий ток 1.913 A"}});
    EXPECT_EQ(o.labels.at(ctl::kLpUnit), "мГн");
    EXPECT_EQ(
        MessageTexts(o.messages),
        std::vector<std::string>{"Заданная величина зазор оказалась недостаточной.\nЗазор был увеличен до 0.356 мм"});
    EXPECT_EQ(o.input.zazor, "0.356");
    EXPECT_EQ(o.input.Umirror, "122");
    EXPECT_EQ(o.input.Unas, "1.374");
    EXPECT_EQ(o.input.Umin, "187");  // the AC factor stays inside
    EXPECT_EQ(o.input.I22, "0.5");
    EXPECT_EQ(o.input.d22, "0,2");  // absent winding: its wire is not looked up
    EXPECT_EQ(o.input.d23, "0.4");
    EXPECT_EQ(o.input.w1, "114");
    EXPECT_EQ(o.input.w23, "6");
    EXPECT_EQ(o.input.n21, "3");
    EXPECT_EQ(o.input.w22, "");
}

// AL mode lowered from 2000, saturation-voltage mode, 50 % continuity, the user's wire
// diameters, secondaries 1, 2 and 4.
TEST(FlybackReview, AlModeDesignWithTheUsersWires) {
    Bench b;
    FlybackInput in;
    in.yes_al = 1;
    in.zazor = "2000";
    in.rds = 0;
    in.Unas = "1,5";
    in.Iccm = "50";
    in.yes_d = 1;
    fbtest::SetTexts(in, fb::FlybackFields(),
                     {{"d11", "0,33"},
                      {"d21", "0,9"},
                      {"d22", "0.2"},
                      {"U24", "24"},
                      {"I24", "0,3"},
                      {"Ud4", "1"},
                      {"d24", "0.25"}});
    const fb::FlybackOutcome o = b.Run(in);
    ASSERT_TRUE(o.computed);
    EXPECT_EQ(o.result.passes, 3);
    ExpectTexts(o,
                {{1141, "221.4"},
                 {1103, "254.0"},
                 {1082, "282"},
                 {1122, "122.9"},
                 {1123, "127.1"},
                 {1102, "2.341"},
                 {1138, "0.260"},
                 {1139, "0.298"},
                 {1137, "0.381"},
                 {1100, "35.49"},
                 {1101, "39.98"},
                 {1099, "49.98"},
                 {1091, "0.106"},
                 {1092, "0.128"},
                 {1090, "0.186"},
                 {1093, "0.650"},
                 {1108, "0.088"},
                 {1083, "(не более 0.320 T)"},
                 {1084, "0.302"},
                 {1111, "1.452"},
                 {1085, "79"},
                 {1232, "96"},
                 {1125, "витков, провод 0.355 x 1"},
                 {1131, "3.094"},
                 {1140, "0.282"},
                 {1233, "10"},
                 {1126, "0.9 x 2"},
                 {1132, "2.855"},
                 {1112, "12.00 В"},
                 {1117, "48 В"},
                 {1094, "1.642 А"},
                 {1234, "12"},
                 {1127, "0.2 x 1"},
                 {1133, "0.824"},
                 {1113, "14.56 В"},
                 {1118, "58 В"},
                 {1095, "0.016 А"},
                 {1236, "20"},
                 {1129, "0.25 x 2"},
                 {1135, "3.954"},
                 {1115, "24.60 В"},
                 {1120, "98 В"},
                 {1097, "0.246 А"}},
                {{1232, "Минимальное число витков первичной обмотки 91"},
                 {1102, "Индуктивность первичной обмотки должна быть не более 2.342 мГн"},
                 {1091, "Действующий ток 0.216 A"},
                 {1092, "Действующий ток 0.242 A"},
                 {1090, "Действующий ток 0.306 A"},
                 {1084, "Амплитуда переменной составляющей индукции 0.076 T"},
                 {1132, "Действующий ток 2.588 A"},
                 {1133, "Действующий ток 0.026 A"},
                 {1135, "Действующий ток 0.388 A"}});
    EXPECT_EQ(MessageTexts(o.messages),
              (std::vector<std::string>{
                  "Указанный желаемый диаметр 0.33 мм заменен на ближайший стандартный диаметр 0.355 мм",
                  "Заданная индуктивность сердечника оказалась велика.\nИндуктивность сердечника была уменьшена до 254 "
                  "нГн/виток2"}));
    EXPECT_EQ(o.input.zazor, "254");
    EXPECT_EQ(o.input.Unas, "1.5");
    EXPECT_EQ(o.input.d11, "0.355");
    EXPECT_EQ(o.input.n24, "2");
}

// A core with an AL law, discontinuous at every supply voltage, one pass, no message.
TEST(FlybackReview, PowerLawCoreDiscontinuousDesign) {
    Bench b;
    b.core.k1 = 50;
    b.core.k2 = -0.7;
    FlybackInput in;
    fbtest::SetTexts(in, fb::FlybackFields(),
                     {{"zazor", "0.2"},
                      {"Umirror", "90"},
                      {"U21", "5"},
                      {"Ud1", "0,45"},
                      {"I21", "4"},
                      {"U22", "15"},
                      {"I22", "0,2"},
                      {"Ud2", "0,7"}});
    const fb::FlybackOutcome o = b.Run(in);
    ASSERT_TRUE(o.computed);
    EXPECT_EQ(o.result.passes, 1);
    ExpectTexts(o,
                {{1141, "134.4"},
                 {1103, "154.3"},
                 {1082, "0.037"},
                 {1122, "89.9"},
                 {1123, "160.1"},
                 {1102, "671.950"},
                 {1138, "0.174"},
                 {1139, "0.210"},
                 {1137, "0.307"},
                 {1100, "0.00"},
                 {1101, "0.00"},
                 {1099, "0.00"},
                 {1091, "0.079"},
                 {1092, "0.096"},
                 {1090, "0.140"},
                 {1093, "0.908"},
                 {1108, "0.130"},
                 {1083, "(не более 0.320 T)"},
                 {1084, "0.176"},
                 {1111, "0.606"},
                 {1085, "60"},
                 {1232, "66"},
                 {1125, "витков, провод 0.3 x 1"},
                 {1131, "4.112"},
                 {1140, "0.115"},
                 {1233, "4"},
                 {1126, "0.4 x 9"},
                 {1132, "4.907"},
                 {1112, "5.00 В"},
                 {1117, "26 В"},
                 {1094, "3.846 А"},
                 {1234, "12"},
                 {1127, "0.3 x 1"},
                 {1133, "3.925"},
                 {1113, "15.65 В"},
                 {1118, "79 В"},
                 {1095, "0.192 А"}},
                {{1102, "Индуктивность первичной обмотки должна быть не более 692.223 мкГн"},
                 {1232, "Минимальное число витков первичной обмотки 37"},
                 {1084, "Амплитуда переменной составляющей индукции 0.088 T"},
                 {1132, "Действующий ток 5.549 A"},
                 {1133, "Действующий ток 0.277 A"}});
    EXPECT_EQ(o.labels.at(ctl::kLpUnit), "мкГн");
    EXPECT_TRUE(o.messages.empty());
    EXPECT_EQ(o.input.zazor, "0.2");
}

TEST(FlybackReview, ReflectedVoltageOnTheBoundStillLowersThePrimaryByOne) {
    // U21 + Ud1 = 10 and Umirror = 100: the first whole turns give Np = 10·Ns1 exactly,
    // Ur = Umirror, so neither loop runs and only the last decrement acts.
    Bench b;
    FlybackInput in;
    fbtest::SetTexts(in, fb::FlybackFields(), {{"Umirror", "100"}, {"U21", "9.5"}, {"Ud1", "0.5"}, {"U22", ""}});
    const fb::FlybackOutcome o = b.Run(in);
    ASSERT_TRUE(o.computed);
    ASSERT_LT(o.result.NpMin, 10 * o.result.Ns[0]);
    EXPECT_EQ(o.result.Np, 10 * o.result.Ns[0] - 1);
    EXPECT_EQ(o.result.Ur, o.result.Np / o.result.Ns[0] * 10);
    EXPECT_EQ(o.results.at(ctl::kNp), "59");
    EXPECT_EQ(o.results.at(ctl::kUr), "98.3");
}

TEST(FlybackReview, UnloadedSecondaryIsDesignedWithoutCurrent) {
    // A winding with a voltage and no current is present but adds no power: the primary
    // side is that of the design without it, and its currents read 0.
    Bench b;
    FlybackInput without;
    without.U22 = "";
    const fb::FlybackOutcome ref = b.Run(without);
    ASSERT_TRUE(ref.computed);
    for (const char* current : {"0", ""}) {
        SCOPED_TRACE(current);
        FlybackInput in;
        in.I22 = current;
        const fb::FlybackOutcome o = b.Run(in);
        ASSERT_TRUE(o.computed) << (o.messages.empty() ? "" : o.messages[0].text);
        for (int id : {ctl::kNp, ctl::kLp, ctl::kIpk, ctl::kDutyMin, ctl::kBpk, ctl::kRequired, ctl::kCin})
            EXPECT_EQ(o.results.at(id), ref.results.at(id)) << id;
        EXPECT_EQ(o.results.at(ctl::kIcrmsBase + 1), "0.000 А");
        EXPECT_EQ(o.results.at(ctl::kJBase + 1), "0.000");
        EXPECT_EQ(o.tooltips.at(ctl::kJBase + 1), "Действующий ток 0.000 A");
        EXPECT_EQ(o.results.at(ctl::kWireBase + 1), "0.1 x 1");
        EXPECT_EQ(o.results.at(ctl::kTurnsBase + 1), fb::F0(o.result.Ns[1]));
        EXPECT_EQ(o.results.at(ctl::kUoutBase + 1), fb::F2(12.8 * o.result.Ns[1] / o.result.Ns[0] - 0.8) + " В");
    }
}

TEST(FlybackReview, NoGuardStopsAnOrdinaryDesign) {
    // Every mode switch and continuity the form allows, with the unused secondaries either
    // empty or at 0 V with their other fields still filled.
    Bench b;
    for (int setevoe : {0, 1})
        for (int Auto : {0, 1})
            for (int yes_al : {0, 1})
                for (int rds : {0, 1})
                    for (const char* Iccm : {"0", "35", "70"})
                        for (int yes_d : {0, 1}) {
                            FlybackInput in;
                            in.setevoe = setevoe;
                            if (setevoe) {
                                in.Umin = "90";
                                in.Unom = "230";
                                in.Umax = "264";
                            }
                            in.Auto = Auto;
                            in.yes_al = yes_al;
                            in.zazor = yes_al ? "400" : "0,2";
                            in.rds = rds;
                            in.Iccm = Iccm;
                            in.yes_d = yes_d;
                            fbtest::SetTexts(in, fb::FlybackFields(),
                                             {{"U22", "0"},
                                              {"I23", "1"},
                                              {"Ud3", "0,7"},
                                              {"d23", "0,5"},
                                              {"U24", "5"},
                                              {"I24", "0,5"},
                                              {"Ud4", "0,5"}});
                            const fb::FlybackOutcome o = b.Run(in);
                            SCOPED_TRACE(testing::Message() << setevoe << Auto << yes_al << rds << Iccm << yes_d);
                            ASSERT_TRUE(o.computed) << (o.messages.empty() ? "" : o.messages.back().text);
                            for (const auto& [id, text] : o.results) {
                                EXPECT_EQ(text.find("nan"), std::string::npos) << id;
                                EXPECT_EQ(text.find("inf"), std::string::npos) << id;
                            }
                            EXPECT_EQ(o.results.at(ctl::kTurnsBase + 1), "");
                            EXPECT_NE(o.results.at(ctl::kTurnsBase + 3), "");
                        }
}

}  // namespace
