#include "common/data/english.h"

#include <algorithm>
#include <unordered_map>

#include "common/data/englishtemplates.h"

namespace fb {
namespace {

// Russian → English; a caption's units stay in SI symbols.
const std::unordered_map<std::string, const char*>& Table() {
    static const std::unordered_map<std::string, const char*> table = {
        // The catalogues' rows bring their own English (AddEnglishSource).
        {"Требуемая величина AL, не более", "Required AL, at most"},
        {"Требуемый немагнитный зазор, не менее", "Required non-magnetic gap, at least"},
        // Units the catalogues give.
        {"кГц", "kHz"},
        {"мкс", "µs"},
        {"ЕI", "EI"},  // the shape name begins with a Cyrillic Е
        {"Другая", "Other"},
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
        {"Нет графиков: расчет не выполнен или дал недопустимые величины.",
         "No plots: the design was not calculated or gave values out of range."},
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
        {"Ток вторичной обмотки показан так, как его принимает методика: он течет всю паузу ключа и в среднем равен току нагрузки.",
         "The secondary current is drawn as the method assumes it: it flows for the whole off-time of the switch and averages the load current."},
        {"Выброс напряжения на ключе: отраженное напряжение плюс амплитуда выброса, заданная в расчете демпфера; его длительность условна.",
         "Switch voltage overshoot: the reflected voltage plus the overshoot set in the clamper calculation; its width is nominal."},
        {"Графики: дроссель ККМ", "Plots: PFC choke"},
        {"Коэффициент заполнения импульса", "Duty cycle"},
        {"Коэффициент заполнения", "Duty cycle"},
        {"Размах пульсации тока дросселя", "Choke current ripple"},
        {"Размах", "Ripple"},
        {"Методика рассчитывает дроссель в вершине синусоиды (90°) при минимальном напряжении сети.",
         "The method designs the choke at the crest of the sine (90°) at the minimum mains voltage."},
        {"Амплитуда сетевого напряжения не ниже выходного: повышающий ККМ не может работать, графики вне области применимости.",
         "The mains peak is not below the output voltage: a boost PFC cannot work, the plots are out of their range."},
        {"Где впадина тока опустилась бы ниже нуля, дроссель работает в прерывистом режиме; впадина показана равной нулю.",
         "Where the current valley would fall below zero the choke runs discontinuous; the valley is drawn at zero."},
        // The command-line reports: headings, captions and units.
        {"расчет трансформатора обратноходового преобразователя", "flyback converter transformer design"},
        {"Файл", "File"},
        {"Входные данные", "Input data"},
        {"используется", "used"},
        {"нет", "no"},
        {"да", "yes"},
        {"Вторичные обмотки", "Secondary windings"},
        {"ном", "nom"},
        {"Диаметр", "Diameter"},
        {"Обмотка", "Winding"},
        {"Форма", "Shape"},
        {"Эффективная проницаемость", "Effective permeability"},
        {"Длина средней линии сердечника", "Core mean path length"},
        {"Площадь сечения сердечника", "Core cross-section area"},
        {"Площадь окна сердечника", "Core window area"},
        {"Результаты расчета", "Design results"},
        {"мм", "mm"},
        {"не более", "at most"},
        {"Вт", "W"},
        {"Первичная обмотка", "Primary winding"},
        {"мкГн", "µH"},
        {"мГн", "mH"},
        {"нГн", "nH"},
        {"Витки, провод", "Turns, wire"},
        {"витков, провод", "turns, wire"},
        {"Плотность тока", "Current density"},
        {"Ом", "Ohm"},
        {"мОм", "mOhm"},
        {"кОм", "kOhm"},
        {"мкФ", "µF"},
        {"пФ", "pF"},
        {"нФ", "nF"},
        {"Напряжение питания", "Supply voltage"},
        {"мин", "min"},
        {"макс", "max"},
        {"Мин", "Min"},
        {"Макс", "Max"},
        {"Ток потребления", "Input current"},
        {"по шине", "on the bus"},
        {"Витки", "Turns"},
        {"Провод", "Wire"},
        {"вых", "out"},
        {"обрат", "rev"},
        {"Плот", "Dens"},
        {"тока", "current"},
        {"Расчет", "Calculation of the"},
        {"клампера", "clamper"},
        {"Медленный", "Slow"},
        {"диод", "diode"},
        {"Параметры резистора с быстрым диодом", "Resistor with a fast diode"},
        {"Расчет индуктивности рассеяния и эквивалентной емкости стоковой цепи",
         "Leakage inductance and equivalent drain capacitance"},
        {"Сообщения", "Messages"},
        {"Проверка", "Checks"},
        {"предупреждение", "warning"},
        {"замечание", "note"},
        {"Предупреждения", "Warnings"},
        {"Первичная", "Primary"},
        {"Вторичная", "Secondary"},
        {"Дополнительные величины", "Additional figures"},
        {"не из методики расчета", "not from the design method"},
        {"принята", "assumed"},
        {"Т", "T"},
        {"К", "K"},
        {"вит", "turns"},
        {"слоев", "layers"},
        {"высота", "height"},
        {"потери", "loss"},
        {"Намотка и потери", "Windings and losses"},
        {"Потери в сердечнике", "Core loss"},
        {"Перегрев", "Temperature rise"},
        {"допустимо", "allowed"},
        {"температура", "temperature"},
        {"при окружающей", "at an ambient of"},
        {"Высота намотки", "Winding height"},
        {"мм из", "mm of"},
        {"помещается", "fits"},
        {"оценка по намотке", "estimate from the winding"},
        {"замечаний нет", "no findings"},
        {"Расчет дросселя для корректора коэффициента мощности", "PFC choke design"},
        {"Исходные данные", "Input data"},
        {"Размах пульсации тока в дросселе", "Choke current ripple"},
        {"Номинальная мощность", "Rated power"},
        {"желаемый", "wanted"},
        {"не используется", "not used"},
        {"Величина немагнитного зазора", "Non-magnetic gap"},
        {"материал", "material"},
        {"Объем сердечника", "Core volume"},
        {"см", "cm"},
        {"Дроссель", "Choke"},
        {"Амплитуда тока дросселя", "Choke peak current"},
        {"транзистора", "of the transistor"},
        {"Эффективная магнитная проницаемость", "Effective permeability"},
        {"Действующий ток в обмотке, максимальный", "RMS winding current, maximum"},
        {"Действующий ток в ключе, максимальный", "RMS switch current, maximum"},
        {"Индуктивность сердечника", "Core inductance factor"},
        {"виток", "turn"},
        {"Требуемая величина", "Required value"},
        {"Действующий ток дросселя за период сети", "RMS choke current over a mains period"},
        {"Действующий ток ключа за период сети", "RMS switch current over a mains period"},
        {"Действующий ток выходного конденсатора за период сети", "RMS output capacitor current over a mains period"},
        {"Напряжение сети наибольшей пульсации", "Mains voltage of the largest ripple"},
        {"Заполнение окна с изоляцией провода", "Window fill with wire insulation"},
        {"Заполнение окна с изоляцией проводов", "Window fill with wire insulation"},
        {"Ёмкость входного конденсатора", "Input capacitor"},
        {"Индукция при срабатывании защиты", "Flux density at the current limit"},
        {"Запас тока срабатывания над пиковым", "Current limit margin over the peak"},
        {"Ток срабатывания защиты", "Current limit"},
        {"в меди", "in the copper"},
        {"всего", "total"},
        // Phrases of the design checks, run by run.
        {"превышает пиковый ток при полной нагрузке", "exceeds the full-load peak current"},
        {"лишь на", "by only"},
        {"с разбросом порога источник уйдёт в ограничение тока при полной нагрузке",
         "with the threshold's spread the supply will go into current limit at full load"},
        {"Нужен запас не менее", "Needed margin: at least"},
        {"увеличьте зазор или выберите сердечник большего размера", "enlarge the gap or choose a larger core"},
        {"слоёв", "layers"},
        {"потери от близости проводников преобладают", "proximity losses dominate"},
        {"Уменьшите число слоев, возьмите более тонкие жилы или чередуйте обмотки",
         "Use fewer layers, thinner strands or interleave the windings"},
        {"выше допустимого", "above the allowed"},
        {"Выберите сердечник большего размера или снизьте потери в меди и сердечнике",
         "Choose a larger core or lower the copper and core losses"},
        {"Наибольший размах пульсации тока", "Largest current ripple"},
        {"при сети", "at mains"},
        {"выше расчётного", "above the design"},
        {"на", "by"},
        {"Учтите его в пиковом токе и потерях или увеличьте индуктивность",
         "Allow for it in the peak current and losses or raise the inductance"},
        {"Обмотки с изоляцией занимают", "The insulated windings take"},
        {"площади окна, больше", "of the window area, more than"},
        {"проверьте размещение с каркасом и изоляцией или выберите сердечник большего размера",
         "check the fit with the former and insulation or choose a larger core"},
        {"При срабатывании защиты", "At the current limit"},
        {"индукция", "the flux density is"},
        {"с разбросом порога", "with the threshold's spread"},
        {"а насыщение при", "and saturation at"},
        {"около", "is about"},
        {"Снизьте порог ограничения тока или увеличьте зазор", "Lower the current limit or enlarge the gap"},
        {"Переменная индукция", "The AC flux density"},
        {"ниже первой точки таблицы потерь", "is below the first point of the loss table"},
        {"потери экстраполированы, но малы", "the losses are extrapolated but small"},
        {"напряжение шины при", "bus voltage at"},
        {"в выходной емкости", "in the output capacitor"},
        {"слой заполнен на", "the layer is filled to"},
        {"ширины", "of the width"},
        {"модель Доуэлла для неполных слоев приближенная", "Dowell's model is approximate for partial layers"},
        {"Коэф", "Coeff"},
        {"заполнения импульса", "duty cycle"},
        {"Настройка ограничения тока не более", "Current limit setting, at most"},
        {"Температура обмоток не устанавливается", "The winding temperature does not settle"},
        {"тепловой разгон", "thermal runaway"},
        {"потери и нагрев ориентировочные", "the losses and heating are rough"},
        {"Питание постоянным напряжением", "DC supply"},
        {"рассчитанная ёмкость входного конденсатора", "the calculated input capacitor"},
        {"смысла не имеет", "means nothing"},
        {"её задаёт источник питания", "the supply sets it"},
        {"Размеры каркаса, длина витка и поверхность сердечника оценены по",
         "The former's size, the turn length and the core's surface are estimated from"},
        {"и", "and"},
        {"намотка и нагрев ориентировочные", "the winding and the heating are rough"},
        {"Добавьте размеры сердечника в файл геометрии", "Add the core's dimensions to the geometry file"},
    };
    return table;
}

// The entries of the other tables (whole templates of checks, losses, the report and the
// messages), merged with the captions above into one lookup.
const std::unordered_map<std::string, const char*>& Merged() {
    static const std::unordered_map<std::string, const char*> merged = [] {
        std::unordered_map<std::string, const char*> m = Table();
        for (const EnglishEntry& e : EnglishTemplates()) m.emplace(e.russian, e.english);
        return m;
    }();
    return merged;
}

std::vector<EnglishSource>& Sources() {
    static std::vector<EnglishSource> sources;
    return sources;
}

// The catalogues' pairs, gathered at the first lookup (after every initialiser has run).
const std::unordered_map<std::string, std::string>& Sourced() {
    static const std::unordered_map<std::string, std::string> table = [] {
        std::unordered_map<std::string, std::string> t;
        for (EnglishSource source : Sources())
            for (EnglishPair& p : source())
                if (!p.russian.empty() && !p.english.empty()) t.emplace(std::move(p.russian), std::move(p.english));
        return t;
    }();
    return table;
}

}  // namespace

bool AddEnglishSource(EnglishSource source) {
    Sources().push_back(source);
    return true;
}

const char* EnglishText(const std::string& russian) {
    const auto& table = Merged();
    auto it = table.find(russian);
    if (it != table.end()) return it->second;
    const auto& sourced = Sourced();
    auto at = sourced.find(russian);
    return at == sourced.end() ? nullptr : at->second.c_str();
}

void ForEachEnglishText(const std::function<void(const char* russian, const char* english)>& visit) {
    for (const auto& [russian, english] : Table()) visit(russian.c_str(), english);
    for (const EnglishEntry& e : EnglishTemplates()) visit(e.russian, e.english);
    for (const auto& [russian, english] : Sourced()) visit(russian.c_str(), english.c_str());
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

std::string Phrase(const std::string& russian, const std::vector<std::string>& args) {
    const std::string text = Localized(russian);
    std::string out;
    out.reserve(text.size() + 16 * args.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '{') {
            const std::size_t close = text.find('}', i);
            if (close != std::string::npos && close > i + 1 && close - i <= 3 &&
                text.find_first_not_of("0123456789", i + 1) == close) {
                const std::size_t n = std::stoul(text.substr(i + 1, close - i - 1));
                if (n >= 1 && n <= args.size()) {
                    out += args[n - 1];
                    i = close;
                    continue;
                }
            }
        }
        out += text[i];
    }
    return out;
}

namespace {

// A Cyrillic letter in UTF-8: U+0400..U+04FF, lead bytes D0..D3.
bool CyrillicAt(const std::string& s, std::size_t i) {
    const auto c = static_cast<unsigned char>(s[i]);
    return c >= 0xD0 && c <= 0xD3 && i + 1 < s.size() && (static_cast<unsigned char>(s[i + 1]) & 0xC0) == 0x80;
}

// The end of the word at `i` (Cyrillic letters, a hyphen between them), or `i` when none starts there.
std::size_t WordEnd(const std::string& s, std::size_t i) {
    std::size_t end = i;
    while (end < s.size()) {
        if (CyrillicAt(s, end))
            end += 2;
        else if (s[end] == '-' && end > i && end + 1 < s.size() && CyrillicAt(s, end + 1))
            ++end;
        else
            break;
    }
    return end;
}

// A run of words: whole when it has an entry, else its longest leading words that have one
// and the rest the same way (a unit before a phrase, a list apart by commas).
std::string RunInEnglish(const std::string& run, const WholeEnglish& whole) {
    std::string english;
    if (whole(run, english)) return english;
    for (std::size_t cut = run.find_last_of(" ,"); cut != std::string::npos && cut > 0;
         cut = run.find_last_of(" ,", cut - 1)) {
        const std::size_t head = run.find_last_not_of(" ,", cut);
        if (head == std::string::npos) break;
        if (whole(run.substr(0, head + 1), english)) {
            const std::size_t rest = run.find_first_not_of(" ,", cut);
            return english + run.substr(head + 1, rest - head - 1) + RunInEnglish(run.substr(rest), whole);
        }
    }
    const std::size_t gap = run.find_first_of(" ,");
    if (gap == std::string::npos) return run;
    const std::size_t rest = run.find_first_not_of(" ,", gap);
    return run.substr(0, rest) + RunInEnglish(run.substr(rest), whole);
}

bool FromTable(const std::string& russian, std::string& english) {
    const char* text = EnglishText(russian);
    if (text) english = text;
    return text != nullptr;
}

}  // namespace

std::string EnglishRuns(const std::string& russian, const WholeEnglish& whole) {
    std::string english;
    if (whole(russian, english)) return english;
    std::string out;
    std::size_t i = 0;
    bool quoted = false;  // a name in quotes (a file, a core) is shown as it is
    while (i < russian.size()) {
        std::size_t end = WordEnd(russian, i);
        if (end == i || quoted) {
            quoted = quoted != (russian[i] == '"');
            out += russian[i++];
            continue;
        }
        // Further words apart by spaces and commas belong to the same run.
        for (std::size_t next = end; next < russian.size() && (russian[next] == ' ' || russian[next] == ',');) {
            std::size_t gap = next;
            while (gap < russian.size() && (russian[gap] == ' ' || russian[gap] == ',')) ++gap;
            const std::size_t wordEnd = WordEnd(russian, gap);
            if (wordEnd == gap) break;
            end = next = wordEnd;
        }
        out += RunInEnglish(russian.substr(i, end - i), whole);
        i = end;
    }
    return out;
}

std::string LocalizedRuns(const std::string& russian) { return g_english ? EnglishRuns(russian, FromTable) : russian; }

std::string LocalizedWindingName(const std::string& name) {
    const std::size_t space = name.find(' ');
    return Localized(name.substr(0, space)) + (space == std::string::npos ? "" : name.substr(space));
}

std::string LocalizedReport(const std::string& report) {
    if (!g_english) return report;
    std::string out;
    std::size_t start = 0;
    while (start < report.size()) {
        std::size_t stop = report.find('\n', start);
        if (stop == std::string::npos) stop = report.size();
        const std::string line = report.substr(start, stop - start);
        const std::size_t colon = line.find(": ");
        const std::size_t value = colon == std::string::npos ? colon : line.find_first_not_of(' ', colon + 1);
        if (colon != std::string::npos && value == std::string::npos) {
            // A caption whose value is empty keeps its padding.
            const std::size_t indent = line.find_first_not_of(' ');
            out += line.substr(0, indent) + LocalizedRuns(line.substr(indent, colon - indent)) + line.substr(colon);
        } else if (value == std::string::npos) {
            // A heading or a line of its own: whole after its indent when it has an entry.
            const std::size_t indent = std::min(line.find_first_not_of(' '), line.size());
            out += line.substr(0, indent) + LocalizedRuns(line.substr(indent));
        } else {
            // The value keeps its column, or follows one space after a longer caption or where
            // the Russian has one space.
            std::size_t indent = line.find_first_not_of(' ');
            std::string caption = line.substr(0, indent) + LocalizedRuns(line.substr(indent, colon - indent)) + ":";
            std::size_t width = 0;  // the column in characters, not bytes
            for (std::size_t k = 0; k < value; ++k) width += (static_cast<unsigned char>(line[k]) & 0xC0) != 0x80;
            std::size_t shown = 0;
            for (char c : caption) shown += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
            caption += std::string(shown < width && value > colon + 2 ? width - shown : 1, ' ');
            out += caption + LocalizedRuns(line.substr(value));
        }
        if (stop < report.size()) out += '\n';
        start = stop + 1;
    }
    return out;
}

}  // namespace fb
