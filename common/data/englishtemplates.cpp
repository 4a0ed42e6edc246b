#include "common/data/englishtemplates.h"

#include <iterator>

namespace fb {
namespace {

// The design checks, the losses and their notes, the figures beside the method's results.
const EnglishEntry kChecks[] = {
    {"Зазор {1} мм не меньше трети длины магнитной линии ({2} мм): закон AL сердечника здесь не проверен, расчёт "
     "недостоверен. Выберите сердечник большего размера.",
     "The gap of {1} mm is at least a third of the magnetic path length ({2} mm): the core's AL law is not proven "
     "there and the design cannot be trusted. Choose a larger core."},
    {"Зазор {1} мм не меньше трети длины магнитной линии ({2} мм): модель выпучивания поля здесь неприменима, расчёт "
     "недостоверен. Выберите сердечник большего размера.",
     "The gap of {1} mm is at least a third of the magnetic path length ({2} mm): the fringing model does not apply "
     "there and the design cannot be trusted. Choose a larger core."},
    {"Зазор {1} мм велик для этого сердечника (коэффициент выпучивания {2}): индуктивность известна лишь "
     "приблизительно, а поле у зазора греет обмотку. Проверьте индуктивность измерением или выберите сердечник "
     "большего размера.",
     "The gap of {1} mm is large for this core (fringing factor {2}): the inductance is known only roughly, and the "
     "field at the gap heats the winding. Measure the inductance or choose a larger core."},
    {"Проверка: замечаний нет.", "Checks: no findings."},
    {"ошибка", "error"},
    {"Зазор {1} мм на кольцевом сердечнике пропилить нельзя. Выберите сердечник с разъёмом (E, ETD, PQ, RM) или "
     "кольцо из порошкового материала.",
     "A gap of {1} mm cannot be cut in a ring core. Choose a core in two halves (E, ETD, PQ, RM) or a powder-core "
     "ring."},
    {"Зазор {1} мм больше высоты окна сердечника (около {2} мм): такой зазор не выполнить. Выберите сердечник "
     "большего размера.",
     "The gap of {1} mm is taller than the core's window (about {2} mm): such a gap cannot be made. Choose a larger "
     "core."},
    {"Эффективная проницаемость {1} слишком мала: индуктивность определяет поле рассеяния зазора, а не сердечник. "
     "Выберите сердечник большего размера.",
     "The effective permeability of {1} is too low: the stray field of the gap, not the core, sets the inductance. "
     "Choose a larger core."},
    {"Амплитуда индукции {1} Т выше предельной для материала {2} Т и насыщения при 100 °C (около {3} Т): сердечник "
     "насыщается. Увеличьте зазор или число витков, либо выберите сердечник большего размера.",
     "The peak flux density of {1} T is above the material's limit of {2} T and above saturation at 100 °C (about "
     "{3} T): the core saturates. Enlarge the gap or the turns, or choose a larger core."},
    {"Амплитуда индукции {1} Т выше предельной для материала {2} Т: запаса до насыщения почти нет. Увеличьте зазор "
     "или число витков, либо выберите сердечник большего размера.",
     "The peak flux density of {1} T is above the material's limit of {2} T: there is almost no margin to "
     "saturation. Enlarge the gap or the turns, or choose a larger core."},
    {"Амплитуда индукции {1} Т выше допустимой {2} Т. Увеличьте зазор или выберите сердечник большего размера.",
     "The peak flux density of {1} T is above the allowed {2} T. Enlarge the gap or choose a larger core."},
    {"Ток срабатывания защиты {1} А превышает пиковый ток при полной нагрузке {2} А лишь на {3} %: с разбросом "
     "порога источник уйдёт в ограничение тока при полной нагрузке. Нужен запас не менее 10 %: увеличьте зазор или "
     "выберите сердечник большего размера.",
     "The current limit of {1} A is only {3} % above the full-load peak current of {2} A: with the threshold's "
     "spread the supply will go into current limit at full load. A margin of at least 10 % is needed: enlarge the "
     "gap or choose a larger core."},
    {"При срабатывании защиты ({1} А) индукция {2} Т, с разбросом порога +10 % — {3} Т, а насыщение при 100 °C около "
     "{4} Т. Снизьте порог ограничения тока или увеличьте зазор.",
     "At the current limit ({1} A) the flux density is {2} T, {3} T with the threshold's spread of +10 %, and "
     "saturation at 100 °C is about {4} T. Lower the current limit or enlarge the gap."},
    {"Обмотки с изоляцией занимают {1} площади окна: они не поместятся. Выберите сердечник большего размера или "
     "уменьшите плотность тока.",
     "The insulated windings take {1} of the window area: they will not fit. Choose a larger core or lower the "
     "current density."},
    {"Обмотки с изоляцией занимают {1} площади окна, больше {2}: проверьте размещение с каркасом и изоляцией или "
     "выберите сердечник большего размера.",
     "The insulated windings take {1} of the window area, more than {2}: check the fit with the former and the "
     "insulation or choose a larger core."},
    {"Частота {1} кГц вне таблицы потерь материала {2} ({3}…{4} кГц): потери и допустимая индукция "
     "экстраполированы. Выберите материал для этой частоты.",
     "The frequency of {1} kHz is outside the loss table of the material {2} ({3}…{4} kHz): the losses and the "
     "allowed flux density are extrapolated. Choose a material for this frequency."},
    {"Переменная индукция {1} Т выше последней точки таблицы потерь ({2} Т): потери экстраполированы. Увеличьте "
     "число витков или выберите сердечник большего размера.",
     "The AC flux density of {1} T is above the last point of the loss table ({2} T): the losses are extrapolated. "
     "Add turns or choose a larger core."},
    {"Переменная индукция {1} Т ниже первой точки таблицы потерь ({2} Т): потери экстраполированы, но малы.",
     "The AC flux density of {1} T is below the first point of the loss table ({2} T): the losses are "
     "extrapolated but small."},
    {"Результаты не являются конечными числами ({1}). Проверьте исходные данные, данные сердечника и материала.",
     "Results are not finite numbers ({1}). Check the input data and the data of the core and the material."},
    {"Коэффициент заполнения {1} = {2} вне пределов 0…1: при этих напряжениях схема работать не может. Проверьте "
     "входные и выходные напряжения.",
     "The duty cycle {1} = {2} is outside 0…1: the circuit cannot work at these voltages. Check the input and "
     "output voltages."},
    {"при Umin", "at Umin"},
    {"при Uном", "at Unom"},
    {"при Umax", "at Umax"},
    {"Расчёт не выполнен: {1}", "Not calculated: {1}"},
    {"При максимальном входном напряжении {1} В плюс отражённое {2} В превышают допустимое на ключе {3} В ещё до "
     "выброса. Уменьшите отражённое напряжение или выберите ключ на большее напряжение.",
     "At the maximum input voltage, {1} V plus the reflected {2} V exceed the switch's allowed {3} V before any "
     "overshoot. Lower the reflected voltage or choose a switch for a higher voltage."},
    {"Питание постоянным напряжением: рассчитанная ёмкость входного конденсатора ({1} мкФ) смысла не имеет, её "
     "задаёт источник питания.",
     "DC supply: the calculated input capacitor ({1} µF) means nothing, the supply sets it."},
    {"При минимальном напряжении сети и ёмкости {1} мкФ напряжение на конденсаторе проседает до {2} В, а расчёт "
     "принимает {3} В: коэффициент заполнения и пиковый ток на деле больше. Увеличьте ёмкость или задайте Umin ниже.",
     "At the minimum mains voltage and {1} µF the capacitor voltage sags to {2} V while the design assumes {3} V: "
     "the duty cycle and the peak current are really larger. Enlarge the capacitor or set a lower Umin."},
    {"Наибольший размах пульсации тока {1} А (при сети {2} В) выше расчётного {3} А на {4} %. Учтите его в пиковом "
     "токе и потерях или увеличьте индуктивность.",
     "The largest current ripple of {1} A (at a mains voltage of {2} V) is {4} % above the design's {3} A. Allow "
     "for it in the peak current and the losses or raise the inductance."},
    {"Выходное напряжение {1} В не выше амплитуды сети {2} В: повышающий корректор так работать не может. Задайте "
     "выходное напряжение выше {3} В или уменьшите Umax.",
     "The output voltage of {1} V is not above the mains peak of {2} V: a boost corrector cannot work so. Set an "
     "output voltage above {3} V or lower Umax."},
    {"Минимальное выходное напряжение {1} В не ниже номинального {2} В: ёмкость выходного конденсатора получается "
     "бесконечной или отрицательной. Задайте минимальное напряжение ниже номинального.",
     "The minimum output voltage of {1} V is not below the nominal {2} V: the output capacitor comes out infinite "
     "or negative. Set the minimum voltage below the nominal."},
    // Losses.
    {"Обмотки не помещаются на каркас: высота намотки {1} мм при высоте каркаса {2} мм (заполнение {3}). Выберите "
     "сердечник большего размера, уменьшите плотность тока или толщину изоляции.",
     "The windings do not fit on the former: the build is {1} mm against a former height of {2} mm (fill {3}). "
     "Choose a larger core, lower the current density or the insulation thickness."},
    {"Температура наиболее нагретой точки {1} °C (окружающая среда {2} °C, перегрев {3} К) выше допустимой для "
     "феррита {4} °C: растут потери в сердечнике и падает индукция насыщения. Выберите сердечник большего размера "
     "или снизьте потери.",
     "The hot spot of {1} °C (ambient {2} °C, rise {3} K) is above the {4} °C allowed for ferrite: the core loss "
     "grows and the saturation flux density falls. Choose a larger core or lower the losses."},
    {"Перегрев {1} К выше допустимого {2} К (потери {3} Вт). Выберите сердечник большего размера или снизьте потери "
     "в меди и сердечнике.",
     "The temperature rise of {1} K is above the allowed {2} K (loss {3} W). Choose a larger core or lower the "
     "copper and core losses."},
    {"{1}: Rac/Rdc = {2}, слоёв {3}: потери от близости проводников преобладают. Уменьшите число слоев, возьмите "
     "более тонкие жилы или чередуйте обмотки.",
     "{1}: Rac/Rdc = {2}, layer count {3}: proximity losses dominate. Use fewer layers, thinner strands or interleave "
     "the windings."},
    {"Намотка и потери в меди не рассчитаны.", "The winding and the copper losses are not calculated."},
    {"Намотка и потери в меди не рассчитаны: {1}", "The winding and the copper losses are not calculated: {1}"},
    {"Размеры каркаса, длина витка и поверхность сердечника оценены по Ae, An и le: намотка и нагрев "
     "ориентировочные. Добавьте размеры сердечника в файл геометрии.",
     "The former's size, the turn length and the core's surface are estimated from Ae, An and le: the winding and "
     "the heating are rough. Add the core's dimensions to the geometry file."},
    {"{1}: ни один виток не помещается по ширине каркаса.", "{1}: not a single turn fits across the former."},
    {"{1}: слой заполнен на {2} % ширины — модель Доуэлла для неполных слоев приближенная.",
     "{1}: the layer is filled to {2} % of the width; Dowell's model is approximate for partial layers."},
    {"{1}: {2} вне допустимого диапазона {3}…{4}.", "{1}: {2} is outside the allowed range {3}…{4}."},
    {"Температура окружающей среды, °C", "Ambient temperature, °C"},
    {"Толщина изоляционной ленты, мм", "Insulating tape thickness, mm"},
    {"Число слоев ленты", "Tape layers"},
    {"Поле у края каркаса, мм", "Margin at each edge of the former, mm"},
    {"Допустимый перегрев, К", "Allowed temperature rise, K"},
    {"Число гармоник", "Harmonics"},
    {"Нет размеров каркаса (ширина, высота намотки, длина витка) или поля по краям не оставляют места: намотка и "
     "потери не рассчитаны.",
     "The former's dimensions (width, winding height, turn length) are missing or the margins leave no room: the "
     "winding and the losses are not calculated."},
    {"Размеры каркаса оценены по Ae, An и le сердечника, а не взяты из данных.",
     "The former's dimensions are estimated from the core's Ae, An and le, not taken from data."},
    {"Температура обмоток не устанавливается (тепловой разгон): потери и нагрев ориентировочные.",
     "The winding temperature does not settle (thermal runaway): the losses and the heating are rough."},
    {"Нет площади поверхности сердечника: нагрев не рассчитан.",
     "The core's surface area is missing: the heating is not calculated."},
    {"Плотность потерь {1} мВт/см² вне диапазона формулы естественного охлаждения (10…600 мВт/см²).",
     "The loss density of {1} mW/cm² is outside the range of the natural-convection formula (10…600 mW/cm²)."},
    {"{1}: {2} вит., {3} x {4}, слоев {5}, высота {6} мм, Rdc {7} мОм, Rac/Rdc {8}, потери {9} Вт",
     "{1}: {2} turns, {3} x {4}, layers {5}, height {6} mm, Rdc {7} mOhm, Rac/Rdc {8}, loss {9} W"},
    {"Потери в сердечнике {1} Вт, в меди {2} Вт, всего {3} Вт", "Core loss {1} W, copper {2} W, total {3} W"},
    {"Перегрев {1} К (допустимо {2} К), температура {3} °C при окружающей {4} °C",
     "Temperature rise {1} K (allowed {2} K), temperature {3} °C at an ambient of {4} °C"},
    {"Высота намотки {1} мм из {2} мм ({3} %): помещается", "Winding height {1} mm of {2} mm ({3} %): fits"},
    {"Высота намотки {1} мм из {2} мм ({3} %): НЕ помещается", "Winding height {1} mm of {2} mm ({3} %): does NOT fit"},
    {"Индуктивность рассеяния (оценка по намотке) {1} мкГн", "Leakage inductance (estimate from the winding) {1} µH"},
    {"Расчет трансформатора не выполнен: намотка и потери не рассчитаны.",
     "The transformer is not calculated: the winding and the losses are not calculated."},
    {"Расчет дросселя не выполнен: намотка и потери не рассчитаны.",
     "The choke is not calculated: the winding and the losses are not calculated."},
    {"Дроссель", "Choke"},
    {"Ёмкость входного конденсатора (принята)", "Input capacitor (assumed)"},
    {"Мин. напряжение шины при Umin", "Min. bus voltage at Umin"},
    {"Макс. напряжение шины при Umax", "Max. bus voltage at Umax"},
    {"Ток срабатывания защиты (Usense/Rsense)", "Current limit (Usense/Rsense)"},
    {"Действующий ток дросселя за период сети (Umin)", "RMS choke current over a mains period (Umin)"},
    {"Действующий ток ключа за период сети (Umin)", "RMS switch current over a mains period (Umin)"},
    {"Действующий ток выходного конденсатора за период сети (Umin)",
     "RMS output capacitor current over a mains period (Umin)"},
};

}  // namespace

const std::vector<EnglishEntry>& EnglishTemplates() {
    static const std::vector<EnglishEntry> all = [] {
        std::vector<EnglishEntry> v(std::begin(kChecks), std::end(kChecks));
        for (const std::vector<EnglishEntry>* more : {&EnglishReportTexts(), &EnglishMessages()})
            v.insert(v.end(), more->begin(), more->end());
        return v;
    }();
    return all;
}

}  // namespace fb
