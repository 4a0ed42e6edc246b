#include "common/data/english.h"

#include <unordered_map>

namespace fb {
namespace {

// Russian → English; a caption's units stay in SI symbols.
const std::unordered_map<std::string, const char*>& Table() {
    static const std::unordered_map<std::string, const char*> table = {
        {"Питание (мин., ном., макс.), В", "Supply (min., nom., max.), V"},
        {"Питание: DC (0) или AC (1)", "Supply: DC (0) or AC (1)"},
        {"Частота преобразования, кГц", "Switching frequency, kHz"},
        {"Отраженное напряжение, не более, В", "Reflected voltage, at most, V"},
        {"Авто", "Auto"},
        {"Макс. допуст. напряжение на ключе, В", "Max. switch voltage, V"},
        {"Сопротивление канала Rds(on), Ом", "Channel resistance Rds(on), Ohm"},
        {"Напряжение насыщения Uнас., В", "Saturation voltage Usat, V"},
        {"Uнас. (0) или Rds(on) (1)", "Usat (0) or Rds(on) (1)"},
        {"Неразрывность тока, %", "Current continuity, %"},
        {"Плотность тока, А/мм2", "Current density, A/mm2"},
        {"Пороговое напряжение датчика тока, В", "Current sense threshold, V"},
        {"Диаметр провода первичной обмотки", "Primary wire diameter"},
        {"Использовать диаметры проводов", "Use wire diameters"},
        {"Зазор (0) или AL (1)", "Gap (0) or AL (1)"},
        {"Величина немагнитного зазора, мм", "Non-magnetic gap, mm"},
        {"Индуктивность сердечника (AL), нГн/виток^2", "Core inductance factor (AL), nH/turn^2"},
        {"нГн/виток^2", "nH/turn^2"},
        {"Эффективная проницаемость с зазором", "Effective permeability with gap"},
        {"Отраженное напряжение", "Reflected voltage"},
        {"Выброс напряжения на ключе от Ls не более", "Switch overshoot from Ls, at most"},
        {"Индуктивность первичной обмотки", "Primary inductance"},
        {"Амплитуда тока транзистора", "Transistor peak current"},
        {"Мощность потерь в магнитопроводе", "Core loss"},
        {"Амплитуда индукции, допустимая", "Peak flux density, allowed"},
        {"Амплитуда индукции", "Peak flux density"},
        {"Сопротивление датчика тока", "Current sense resistor"},
        {"Емкость конденсатора выпрямителя (минимум)", "Rectifier capacitor (minimum)"},
        {"Коэффициент заполнения окна", "Window fill factor"},
        {"Коэффициент заполнения импульса, макс.", "Duty cycle, max."},
        {"Коэффициент заполнения импульса, ном.", "Duty cycle, nom."},
        {"Коэффициент заполнения импульса, мин.", "Duty cycle, min."},
        {"Неразрывность тока, макс.", "Current continuity, max."},
        {"Неразрывность тока, ном.", "Current continuity, nom."},
        {"Неразрывность тока, мин.", "Current continuity, min."},
        {"Ток потребления (по шине DC), макс.", "Input current (DC bus), max."},
        {"Ток потребления (по шине DC), ном.", "Input current (DC bus), nom."},
        {"Ток потребления (по шине DC), мин.", "Input current (DC bus), min."},
        {"Первичная обмотка: витки", "Primary winding: turns"},
        {"Первичная обмотка: провод", "Primary winding: wire"},
        {"Первичная обмотка: плотность тока", "Primary winding: current density"},
        {"Первичная обмотка: число жил провода", "Primary winding: strands"},
        {"Требуемая величина AL, не более", "Required AL, at most"},
        {"Требуемый немагнитный зазор, не менее", "Required non-magnetic gap, at least"},
        {"Амплитуда переменной составляющей индукции", "Peak AC flux density"},
        {"Индуктивность первичной обмотки, не более", "Primary inductance, at most"},
        {"Минимальное число витков первичной обмотки", "Minimum primary turns"},
        {"Диаметр провода по скин-эффекту", "Wire diameter for the skin effect"},
        {"Действующий ток", "RMS current"},
        {"Сердечник", "Core"},
        {"Материал", "Material"},
        {"Напряжение питания (мин.,  макс.), В", "Supply voltage (min.,  max.), V"},
        {"Размах пульсации тока в дросселе, %", "Choke ripple current, peak to peak, %"},
        {"Минимальное напряжение, В", "Minimum voltage, V"},
        {"Номинальное напряжение, В", "Nominal voltage, V"},
        {"Максимальное напряжение, В", "Maximum voltage, V"},
        {"Номинальная мощность, Вт", "Rated power, W"},
        {"Диаметр провода (желаемый), мм", "Wire diameter (preferred), mm"},
        {"Использовать желаемый диаметр провода", "Use the preferred wire diameter"},
        {"Объем сердечника, Ve", "Core volume, Ve"},
        {"Амплитуда индукции, не более", "Peak flux density, at most"},
        {"Расчетная индуктивность дросселя", "Required choke inductance"},
        {"Индуктивность дросселя", "Choke inductance"},
        {"Число витков дросселя", "Choke turns"},
        {"Диаметр провода", "Wire diameter"},
        {"Число жил в обмотке", "Strands in the winding"},
        {"Плотность тока, максимальная", "Current density, maximum"},
        {"Емкость входного конденсатора, не менее", "Input capacitor, at least"},
        {"Емкость выходного конденсатора, не менее", "Output capacitor, at least"},
        {"Ток потребления, мин. напряжение питания", "Input current, min. supply voltage"},
        {"Ток потребления, макс. напряжение питания", "Input current, max. supply voltage"},
        {"Амплитуда тока дросселя (транзистора), мин. напряжение питания", "Choke (transistor) peak current, min. supply voltage"},
        {"Амплитуда тока дросселя (транзистора), макс. напряжение питания", "Choke (transistor) peak current, max. supply voltage"},
        {"Размах пульсации тока в дросселе, мин. напряжение питания", "Choke ripple current, min. supply voltage"},
        {"Размах пульсации тока в дросселе, макс. напряжение питания", "Choke ripple current, max. supply voltage"},
        {"Коэф. заполнения импульса, мин. напряжение питания", "Duty cycle, min. supply voltage"},
        {"Коэф. заполнения импульса, макс. напряжение питания", "Duty cycle, max. supply voltage"},
        {"Действующий ток (RMS) в выходной емкости (макс.)", "Output capacitor RMS current (max.)"},
        {"Дополнительная информация", "Additional information"},
        // The clamper's fields.
        {"Амплитуда выброса", "Overshoot amplitude"},
        {"Емкость конденсатора", "Capacitor"},
        {"Амплитуда тока", "Peak current"},
        {"Частота преобразования", "Switching frequency"},
        {"Индуктивность рассеяния (Ls)", "Leakage inductance (Ls)"},
        {"Остаток напряжения после выброса", "Voltage left after the overshoot"},
        {"Индуктивность L1", "Inductance L1"},
        {"Единица индуктивности L1", "Unit of the inductance L1"},
        {"Период колебаний по L1", "Ringing period with L1"},
        {"Период колебаний по Ls", "Ringing period with Ls"},
        // Units the catalogues give.
        {"кГц", "kHz"},
        {"мкс", "µs"},
        {"ЕI", "EI"},  // the shape name begins with a Cyrillic Е
        {"Другая", "Other"},
        {"Вторичные обмотки, строка 1: U ном., В", "Secondary windings, row 1: U nom., V"},
        {"Вторичные обмотки, строка 1: I ном., А", "Secondary windings, row 1: I nom., A"},
        {"Вторичные обмотки, строка 1: Ud f, В", "Secondary windings, row 1: Ud f, V"},
        {"Вторичные обмотки, строка 1: Диаметр", "Secondary windings, row 1: diameter"},
        {"Вторичная обмотка 1: витки", "Secondary winding 1: turns"},
        {"Вторичная обмотка 1: число жил провода", "Secondary winding 1: strands"},
        {"Вторичные обмотки, строка 2: U ном., В", "Secondary windings, row 2: U nom., V"},
        {"Вторичные обмотки, строка 2: I ном., А", "Secondary windings, row 2: I nom., A"},
        {"Вторичные обмотки, строка 2: Ud f, В", "Secondary windings, row 2: Ud f, V"},
        {"Вторичные обмотки, строка 2: Диаметр", "Secondary windings, row 2: diameter"},
        {"Вторичная обмотка 2: витки", "Secondary winding 2: turns"},
        {"Вторичная обмотка 2: число жил провода", "Secondary winding 2: strands"},
        {"Вторичные обмотки, строка 3: U ном., В", "Secondary windings, row 3: U nom., V"},
        {"Вторичные обмотки, строка 3: I ном., А", "Secondary windings, row 3: I nom., A"},
        {"Вторичные обмотки, строка 3: Ud f, В", "Secondary windings, row 3: Ud f, V"},
        {"Вторичные обмотки, строка 3: Диаметр", "Secondary windings, row 3: diameter"},
        {"Вторичная обмотка 3: витки", "Secondary winding 3: turns"},
        {"Вторичная обмотка 3: число жил провода", "Secondary winding 3: strands"},
        {"Вторичные обмотки, строка 4: U ном., В", "Secondary windings, row 4: U nom., V"},
        {"Вторичные обмотки, строка 4: I ном., А", "Secondary windings, row 4: I nom., A"},
        {"Вторичные обмотки, строка 4: Ud f, В", "Secondary windings, row 4: Ud f, V"},
        {"Вторичные обмотки, строка 4: Диаметр", "Secondary windings, row 4: diameter"},
        {"Вторичная обмотка 4: витки", "Secondary winding 4: turns"},
        {"Вторичная обмотка 4: число жил провода", "Secondary winding 4: strands"},
        {"Вторичные обмотки, строка 5: U ном., В", "Secondary windings, row 5: U nom., V"},
        {"Вторичные обмотки, строка 5: I ном., А", "Secondary windings, row 5: I nom., A"},
        {"Вторичные обмотки, строка 5: Ud f, В", "Secondary windings, row 5: Ud f, V"},
        {"Вторичные обмотки, строка 5: Диаметр", "Secondary windings, row 5: diameter"},
        {"Вторичная обмотка 5: витки", "Secondary winding 5: turns"},
        {"Вторичная обмотка 5: число жил провода", "Secondary winding 5: strands"},
        // Plots of the waveforms.
        {"Uмин", "Umin"},
        {"Uном", "Unom"},
        {"Uмакс", "Umax"},
        {" В", " V"},
        {" А", " A"},
        {" А, ", " A, "},
        {" Тл", " T"},
        {"А", "A"},
        {"В", "V"},
        {"Тл", "T"},
        {"Ток дросселя при ", "Choke current at "},
        {"Фаза сети", "Mains phase"},
        {"Ток", "Current"},
        {"Средний ток", "Average current"},
        {"Пиковый ток", "Peak current"},
        {"Минимальный ток (впадина)", "Minimum current (valley)"},
        {"Расчетная точка: ", "Design point: "},
        {"Макс. размах при ", "Max. ripple at "},
        {"Вершина, ", "Crest, "},
        {"Макс., ", "Max., "},
        {"Графики: flyback-трансформатор", "Plots: flyback transformer"},
        {"Нет графиков: расчет не выполнен или дал недопустимые величины.", "No plots: the design was not calculated or gave values out of range."},
        {"Ток первичной обмотки", "Primary winding current"},
        {"Время", "Time"},
        {"Пиковый ток Iпик = ", "Peak current Ipk = "},
        {"Ток вторичной обмотки ", "Secondary winding current "},
        {"Напряжение на ключе", "Switch voltage"},
        {"Напряжение", "Voltage"},
        {"Uмакс + Uотр: ", "Umax + Ur: "},
        {"Выброс: ", "Overshoot: "},
        {"Предел ключа: ", "Switch limit: "},
        {"Индукция в сердечнике", "Core flux density"},
        {"Индукция", "Flux density"},
        {"Bдоп = ", "Ballowed = "},
        {"Bmax материала = ", "Bmax of the material = "},
        {"Ток вторичной обмотки показан так, как его принимает методика: он течет всю паузу ключа и в среднем равен току нагрузки.", "The secondary current is drawn as the method assumes it: it flows for the whole off-time of the switch and averages the load current."},
        {"Выброс напряжения на ключе: отраженное напряжение плюс амплитуда выброса, заданная в расчете демпфера; его длительность условна.", "Switch voltage overshoot: the reflected voltage plus the overshoot set in the clamper calculation; its width is nominal."},
        {"Графики: дроссель ККМ", "Plots: PFC choke"},
        {"Коэффициент заполнения импульса", "Duty cycle"},
        {"Коэффициент заполнения", "Duty cycle"},
        {"Размах пульсации тока дросселя", "Choke current ripple"},
        {"Размах", "Ripple"},
        {"Методика рассчитывает дроссель в вершине синусоиды (90°) при минимальном напряжении сети.", "The method designs the choke at the crest of the sine (90°) at the minimum mains voltage."},
        {"Амплитуда сетевого напряжения не ниже выходного: повышающий ККМ не может работать, графики вне области применимости.", "The mains peak is not below the output voltage: a boost PFC cannot work, the plots are out of their range."},
        {"Где впадина тока опустилась бы ниже нуля, дроссель работает в прерывистом режиме; впадина показана равной нулю.", "Where the current valley would fall below zero the choke runs discontinuous; the valley is drawn at zero."},
    };
    return table;
}

}  // namespace

const char* EnglishText(const std::string& russian) {
    const auto& table = Table();
    auto it = table.find(russian);
    return it == table.end() ? nullptr : it->second;
}

namespace {
bool g_english = false;
}  // namespace

bool EnglishTexts() { return g_english; }

void SetEnglishTexts(bool english) { g_english = english; }

std::string Localized(const std::string& russian) {
    if (!g_english) return russian;
    const char* english = EnglishText(russian);
    return english ? english : russian;
}

}  // namespace fb
