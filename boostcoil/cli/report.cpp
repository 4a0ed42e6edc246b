#include "boostcoil/cli/report.h"

#include <nlohmann/json.hpp>

#include "boostcoil/design/pfckeys.h"

namespace fb {
namespace {

using nlohmann::ordered_json;

std::string Text(const std::map<int, std::string>& m, int id) {
    const auto it = m.find(id);
    return it == m.end() ? std::string() : it->second;
}

ordered_json TextsOf(const std::map<int, std::string>& m, std::initializer_list<int> ids) {
    ordered_json out = ordered_json::object();
    for (int id : ids) out[std::to_string(id)] = Text(m, id);
    return out;
}

}  // namespace

std::string JsonReport(const CalcRun& run) {
    const PfcResult& r = run.result;
    ordered_json j;
    ordered_json inputs = ordered_json::object();
    for (const KeyField<PfcInput>& f : PfcKeyTable()) inputs[f.key] = f.ValueText(run.input);
    j["inputs"] = inputs;
    j["core"] = {{"name", run.core.name},   {"shape", run.core.shape}, {"Ae", run.core.AeText},
                 {"An", run.core.AnText},   {"le", run.core.leText},   {"mu", run.core.muText},
                 {"Ve", run.core.VeText},   {"k1", run.core.k1},       {"k2", run.core.k2}};
    j["material"] = run.material;
    ordered_json results = ordered_json::object();
    for (int id : kPfcResultIds) results[std::to_string(id)] = Text(r.texts, id);
    j["results"] = results;
    j["labels"] = TextsOf(r.labels, {pfcid::kLreqUnit, pfcid::kLUnit, pfcid::kCinUnit, pfcid::kRequiredLabel,
                                     pfcid::kRequiredUnit});
    j["tooltips"] = TextsOf(r.tooltips, {pfcid::kBpk});
    ordered_json messages = ordered_json::array();
    for (const Message& m : run.messages) messages.push_back({{"caption", m.caption}, {"text", m.text}});
    j["messages"] = messages;
    // The texts are UTF-8 decoded from Windows-1251, so always valid; replace guards anyway.
    return j.dump(2, ' ', false, ordered_json::error_handler_t::replace) + "\n";
}

namespace {

struct Row {
    const char* caption;
    int id;
    const char* unit;  // nullptr: the unit label of unitId
    int unitId = 0;
};

void AddRow(std::string& out, const PfcResult& r, const Row& row) {
    std::string unit = row.unit ? row.unit : Text(r.labels, row.unitId);
    out += "  " + std::string(row.caption) + ": " + Text(r.texts, row.id);
    if (!unit.empty()) out += " " + unit;
    out += "\n";
}

void AddPair(std::string& out, const PfcResult& r, const char* caption, int idMin, int idMax, const char* unit) {
    out += "  " + std::string(caption) + ": " + Text(r.texts, idMin) + " / " + Text(r.texts, idMax);
    if (*unit) out += " " + std::string(unit);
    out += "\n";
}

// The information text of the window with its CR LF and TAB made readable on a terminal.
std::string Indented(const std::string& info) {
    std::string out;
    std::string line;
    for (const char c : info) {
        if (c == '\r') continue;
        if (c == '\t') {
            line += ": ";
        } else if (c == '\n') {
            out += line.empty() ? "\n" : "  " + line + "\n";
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) out += "  " + line + "\n";
    return out;
}

}  // namespace

std::string TextReport(const CalcRun& run) {
    const PfcResult& r = run.result;
    const PfcInput& in = run.input;
    std::string out = "Boostcoil - Расчет дросселя для корректора коэффициента мощности\n\n";
    out += "Исходные данные\n";
    out += "  Напряжение питания (мин., макс.): " + in.Umin + " / " + in.Umax + " В\n";
    out += "  Частота преобразования: " + in.Fr + " кГц\n";
    out += "  Размах пульсации тока в дросселе: " + in.Irip + " %\n";
    out += "  Плотность тока: " + in.j + " А/мм2\n";
    out += "  Выходное напряжение (мин., ном., макс.): " + in.U2min + " / " + in.U2nom + " / " + in.U2max + " В\n";
    out += "  Номинальная мощность: " + in.P2 + " Вт\n";
    out += "  Диаметр провода (желаемый): " + in.d11 + " мм" +
           (in.yes_d == 1 ? " (используется)" : " (не используется)") + "\n";
    out += std::string("  ") +
           (in.yes_al == 1 ? "Индуктивность сердечника (AL): " + in.zazor + " нГн/виток^2"
                           : "Величина немагнитного зазора: " + in.zazor + " мм") +
           "\n\n";
    out += "Сердечник: " + run.core.name + ", материал: " + run.material + "\n";
    out += "  Эффективная проницаемость: " + run.core.muText + "\n";
    out += "  Площадь сечения сердечника, Ae: " + run.core.AeText + " мм2\n";
    out += "  Площадь окна сердечника, An: " + run.core.AnText + " мм2\n";
    out += "  Длина средней линии сердечника, le: " + run.core.leText + " мм\n";
    out += "  Объем сердечника, Ve: " + Text(r.texts, pfcid::kVe) + " см3\n";
    AddRow(out, r, {Text(r.labels, pfcid::kRequiredLabel).c_str(), pfcid::kRequired, nullptr, pfcid::kRequiredUnit});
    out += "  Амплитуда индукции: " + Text(r.texts, pfcid::kBpk) + " Т (не более " + Text(r.texts, pfcid::kBlim) +
           " Т)\n";
    out += "  " + Text(r.tooltips, pfcid::kBpk) + "\n";
    AddRow(out, r, {"Мощность потерь в магнитопроводе", pfcid::kPcore, "Вт"});
    AddRow(out, r, {"Коэффициент заполнения окна", pfcid::kKfill, ""});
    out += "\nДроссель\n";
    AddRow(out, r, {"Расчетная индуктивность дросселя", pfcid::kLreq, nullptr, pfcid::kLreqUnit});
    AddRow(out, r, {"Индуктивность дросселя", pfcid::kL, nullptr, pfcid::kLUnit});
    AddRow(out, r, {"Число витков дросселя", pfcid::kN, ""});
    AddRow(out, r, {"Диаметр провода", pfcid::kWire, "мм"});
    AddRow(out, r, {"Число жил в обмотке", pfcid::kStrands, ""});
    AddRow(out, r, {"Плотность тока, максимальная", pfcid::kJmax, "А/мм2"});
    AddRow(out, r, {"Емкость входного конденсатора, не менее", pfcid::kCin, nullptr, pfcid::kCinUnit});
    AddRow(out, r, {"Емкость выходного конденсатора, не менее", pfcid::kCout, "мкФ"});
    out += "\nНапряжение питания (мин. / макс.)\n";
    AddPair(out, r, "Ток потребления", pfcid::kIinMin, pfcid::kIinMax, "А");
    AddPair(out, r, "Амплитуда тока дросселя (транзистора)", pfcid::kIpkMin, pfcid::kIpkMax, "А");
    AddPair(out, r, "Размах пульсации тока в дросселе", pfcid::kDIMin, pfcid::kDIMax, "А");
    AddPair(out, r, "Коэф. заполнения импульса", pfcid::kDMin, pfcid::kDMax, "");
    AddRow(out, r, {"Действующий ток (RMS) в выходной емкости (макс.)", pfcid::kIcout, "А"});
    out += "\nДополнительная информация:\n" + Indented(Text(r.texts, pfcid::kInfo));
    if (!run.messages.empty()) {
        out += "\nСообщения:\n";
        for (const Message& m : run.messages) out += "  " + m.caption + " " + m.text + "\n";
    }
    return out;
}

}  // namespace fb
