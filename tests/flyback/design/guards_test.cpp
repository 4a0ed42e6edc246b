// Inputs and data the design cannot work with: one clear message, blank results, no hang.
#include <gtest/gtest.h>

#include <functional>

#include "common/data/numbers.h"
#include "tests/flyback/design/fixture.h"

namespace {

using fb::FlybackInput;
using fbtest::Bench;
namespace ctl = fb::ctl;

void ExpectStopped(const fb::FlybackOutcome& o, const std::string& messageStart) {
    EXPECT_FALSE(o.computed);
    ASSERT_EQ(o.messages.size(), 1u);
    EXPECT_EQ(o.messages[0].caption, "Внимание!");
    EXPECT_EQ(o.messages[0].text.rfind(messageStart, 0), 0u) << o.messages[0].text;
    for (int id : fb::FlybackResultControls()) EXPECT_EQ(o.results.at(id), "") << id;
    EXPECT_EQ(o.tooltips.at(ctl::kNp), "Минимальное число витков первичной обмотки");
    EXPECT_EQ(o.input.w1, "");
    EXPECT_EQ(o.input.n21, "");
}

struct GuardCase {
    const char* name;
    std::function<void(Bench&, FlybackInput&)> set;
    const char* message;
};

TEST(FlybackGuards, EachZeroDivisorHasItsMessage) {
    const GuardCase cases[] = {
        {"Fconv", [](Bench&, FlybackInput& in) { in.Fconv = "0"; }, "Частота преобразования должна быть больше 0."},
        {"Fconv negative", [](Bench&, FlybackInput& in) { in.Fconv = "-100"; }, "Частота преобразования должна"},
        {"Ae", [](Bench& b, FlybackInput&) { b.core.Ae = 0; }, "Данные сердечника \"E 25/13/7\" неполны"},
        {"An", [](Bench& b, FlybackInput&) { b.core.An = 0; }, "Данные сердечника"},
        {"le", [](Bench& b, FlybackInput&) { b.core.le = 0; }, "Данные сердечника"},
        {"no secondary", [](Bench&, FlybackInput& in) { in.U21 = in.U22 = ""; },
         "Выходная мощность получилась не больше 0."},
        {"U21 + Ud1",
         [](Bench&, FlybackInput& in) {
             in.U21 = "0";
             in.Ud1 = "0";
         },
         "Сумма напряжения первой вторичной обмотки"},
        {"AL zero",
         [](Bench&, FlybackInput& in) {
             in.yes_al = 1;
             in.zazor = "0";
         },
         "Индуктивность сердечника (AL) должна быть больше 0."},
        {"supply", [](Bench&, FlybackInput& in) { in.Unom = ""; }, "Напряжения питания"},
        {"j", [](Bench&, FlybackInput& in) { in.j = "0"; }, "Плотность тока должна быть больше 0."},
        {"Iccm 100", [](Bench&, FlybackInput& in) { in.Iccm = "100"; }, "Неразрывность тока должна быть"},
        {"Umirror", [](Bench&, FlybackInput& in) { in.Umirror = "0"; }, "Отраженное напряжение должно быть больше 0."},
        {"Auto Umirror",
         [](Bench&, FlybackInput& in) {
             in.Auto = 1;
             in.Utrmax = "300";
         },
         "Отраженное напряжение получилось не больше 0."},
        {"material", [](Bench& b, FlybackInput&) { b.material.nF = 1; }, "Данные материала \"N87 Epcos\" неполны"},
        {"material mu", [](Bench& b, FlybackInput&) { b.material.mu = 0; }, "Данные материала"},
        {"Bmax", [](Bench& b, FlybackInput&) { b.material.Bmax = 0; },
         "Допустимая амплитуда индукции получилась не больше 0."},
        {"wires", [](Bench& b, FlybackInput&) { b.wires.N = 0; }, "Таблица стандартных проводов пуста."},
        {"overflow", [](Bench&, FlybackInput& in) { in.I21 = "1e400"; },
         "Число в поле \"Вторичные обмотки, строка 1: I ном., А\" слишком велико."},
        {"huge reflected voltage", [](Bench&, FlybackInput& in) { in.Umirror = "1e300"; },
         "Число витков получилось слишком большим."},
        {"endless turn match", [](Bench&, FlybackInput& in) { in.Fconv = "0.0001"; },
         "Не удалось подобрать числа витков под заданное отраженное напряжение."},
        {"huge load", [](Bench&, FlybackInput& in) { in.I21 = "1e308"; },
         "Выходная мощность получилась слишком большой."},
        {"AC overflow",
         [](Bench&, FlybackInput& in) {
             in.setevoe = 1;
             in.Umax = "1.5e308";
         },
         "Число в поле \"Питание (мин., ном., макс.), В\" слишком велико."},
        {"drop above the supply", [](Bench&, FlybackInput& in) { in.Rds = "1e300"; },
         "Расчет невозможен: при этих данных получаются бесконечные"},
        {"gap beyond the fringing formula", [](Bench&, FlybackInput& in) { in.zazor = "1000"; },
         "Индуктивность сердечника (AL) получилась не больше 0."},
    };
    for (const GuardCase& c : cases) {
        SCOPED_TRACE(c.name);
        Bench b;
        FlybackInput in;
        c.set(b, in);
        ExpectStopped(b.Run(in), c.message);
    }
}

TEST(FlybackGuards, AStoppedRunKeepsOnlyTheCommaReplacement) {
    Bench b;
    FlybackInput in;
    in.Fconv = "0,0";
    in.zazor = "0";   // would be corrected
    in.Auto = 1;      // would rewrite Umirror
    in.d11 = "0,33";  // would be standardised
    const fb::FlybackOutcome o = b.Run(in);
    EXPECT_FALSE(o.computed);
    EXPECT_EQ(o.input.Fconv, "0.0");
    EXPECT_EQ(o.input.zazor, "0");
    EXPECT_EQ(o.input.Umirror, "124");
    EXPECT_EQ(o.input.d11, "0,33");
    EXPECT_EQ(o.input.Unas, "1");
    EXPECT_EQ(o.labels.at(ctl::kLpUnit), "мкГн");
}

TEST(FlybackGuards, AlModeDoesNotNeedTheGapData) {
    // The core permeability only enters the residual gap of the gap formulas.
    Bench b;
    b.core.mu = 0;
    FlybackInput in;
    in.yes_al = 1;
    in.zazor = "150";
    EXPECT_TRUE(b.Run(in).computed);
    in.yes_al = 0;
    in.zazor = "0.25";
    EXPECT_FALSE(b.Run(in).computed);
}

TEST(FlybackGuards, NoTextInAnyFieldCrashesHangsOrShowsInfinity) {
    const char* texts[] = {"", "abc", "-5", "0", "1e308", "1e-308", "1e400", "3,5,7", "  12", "nan", "inf"};
    std::vector<std::string FlybackInput::*> fields;
    for (const auto& f : fb::FlybackKeyTable())
        if (f.text && f.readBack) fields.push_back(f.text);
    fields.push_back(&FlybackInput::Usense);
    for (auto field : fields) {
        for (const char* t : texts) {
            for (int al = 0; al <= 1; ++al) {
                Bench b;
                FlybackInput in;
                in.yes_al = al;
                if (al) in.zazor = "200";
                in.*field = t;
                const fb::FlybackOutcome o = b.Run(in);
                if (!o.computed) {
                    EXPECT_EQ(o.messages.size(), 1u);
                }
                for (const auto& [id, text] : o.results) {
                    EXPECT_EQ(text.find("nan"), std::string::npos) << id << " " << t;
                    EXPECT_EQ(text.find("inf"), std::string::npos) << id << " " << t;
                }
                // A text the design writes into a field is never infinite either.
                if (o.computed) {
                    EXPECT_NE(o.input.zazor, "inf");
                    EXPECT_EQ(o.input.Unas.find("nan"), std::string::npos);
                }
            }
        }
    }
}

}  // namespace
