// The Russian texts of the checks and the losses, whole, as the rules wrote them before their
// English templates existed: the templates must give back the same bytes. The numbers are the
// inputs below rounded by hand (F1/F2/F3 round half away from zero).
#include <gtest/gtest.h>

#include <cmath>

#include "common/analysis/losschecks.h"
#include "common/data/english.h"

namespace fb {
namespace {

std::string Only(const Checks& c) { return c.size() == 1 ? c[0].text : "(" + std::to_string(c.size()) + " checks)"; }

TEST(RussianCheckTexts, StayAsTheyWere) {
    SetEnglishTexts(false);
    Checks c;
    CheckGap({2.5, 30, 40, 50, 100, false, true}, c);  // a gap on a ring
    EXPECT_EQ(c.at(0).text,
              "Зазор 2.500 мм на кольцевом сердечнике пропилить нельзя. Выберите сердечник с разъёмом (E, ETD, PQ, RM) "
              "или кольцо из порошкового материала.");
    c.clear();
    CheckGap({12, 30, 0, 50, 0, true, false}, c);  // 12 ≥ 30/3 with an AL law
    EXPECT_EQ(Only(c),
              "Зазор 12.000 мм не меньше трети длины магнитной линии (30.0 мм): закон AL сердечника здесь не "
              "проверен, расчёт недостоверен. Выберите сердечник большего размера.");
    c.clear();
    CheckFlux({0.45, 0.3, 0.32}, c);  // Bsat = 0.32/0.8 = 0.4
    EXPECT_EQ(Only(c),
              "Амплитуда индукции 0.450 Т выше предельной для материала 0.320 Т и насыщения при 100 °C (около "
              "0.400 Т): сердечник насыщается. Увеличьте зазор или число витков, либо выберите сердечник "
              "большего размера.");
    c.clear();
    CheckTrip({2, 2.1, 0.2, 0.32}, c);  // 5 % headroom; Btrip 0.21, +10 % 0.231 < 0.4
    EXPECT_EQ(Only(c),
              "Ток срабатывания защиты 2.100 А превышает пиковый ток при полной нагрузке 2.000 А лишь на 5.0 %: "
              "с разбросом порога источник уйдёт в ограничение тока при полной нагрузке. Нужен запас не менее "
              "10 %: увеличьте зазор или выберите сердечник большего размера.");
    c.clear();
    CheckLossRange({250, 0.1, 25, 200, 0.05, 0.3, "N87"}, c);
    EXPECT_EQ(Only(c),
              "Частота 250.0 кГц вне таблицы потерь материала N87 (25.0…200.0 кГц): потери и допустимая "
              "индукция экстраполированы. Выберите материал для этой частоты.");
    c.clear();
    CheckFinite({{"Lp", HUGE_VAL}, {"Np", 3}, {"Ipk", std::nan("")}}, c);
    EXPECT_EQ(Only(c),
              "Результаты не являются конечными числами (Lp, Ipk). Проверьте исходные данные, данные "
              "сердечника и материала.");
    c.clear();
    CheckNotComputed("Нет данных.\nВторая строка", c);
    EXPECT_EQ(Only(c), "Расчёт не выполнен: Нет данных.");
}

TEST(RussianCheckTexts, LossesStayAsTheyWere) {
    SetEnglishTexts(false);
    LossAnalysis a;
    a.valid = true;
    a.ambient = 40;
    a.riseLimit = 40;
    a.rise = 95.4;  // hot spot 135.4 °C
    a.hotSpot = 135.4;
    a.totalLoss = 1.234;
    a.fits = true;
    WindingResult w;
    w.name = "Вторичная 1";
    w.acFactor = 2.346;
    w.build.layers = 3;
    a.windings.push_back(w);
    Checks c;
    CheckLosses(a, c);
    ASSERT_EQ(c.size(), 3u);
    EXPECT_EQ(c[0].text,
              "Температура наиболее нагретой точки 135 °C (окружающая среда 40 °C, перегрев 95 К) выше "
              "допустимой для феррита 125 °C: растут потери в сердечнике и падает индукция насыщения. "
              "Выберите сердечник большего размера или снизьте потери.");
    EXPECT_EQ(c[1].text,
              "Перегрев 95 К выше допустимого 40 К (потери 1.23 Вт). Выберите сердечник большего размера или "
              "снизьте потери в меди и сердечнике.");
    EXPECT_EQ(c[2].text,
              "Вторичная 1: Rac/Rdc = 2.35, слоёв 3: потери от близости проводников преобладают. Уменьшите "
              "число слоев, возьмите более тонкие жилы или чередуйте обмотки.");
    LossOptions o;
    o.ambient_C = 250;
    EXPECT_EQ(CheckLossOptions(o).at(0), "Температура окружающей среды, °C: 250 вне допустимого диапазона -60…200.");
    EXPECT_EQ(ChecksReportLines({}).at(0), "Проверка: замечаний нет.");
    EXPECT_EQ(ChecksReportLines(c).at(1), "[предупреждение] " + c[1].text + " (temperature_rise)");
}

}  // namespace
}  // namespace fb
