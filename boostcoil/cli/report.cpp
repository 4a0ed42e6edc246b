#include "boostcoil/cli/report.h"

#include <nlohmann/json.hpp>

#include "boostcoil/design/pfccatalogue.h"
#include "boostcoil/design/pfckeys.h"
#include "common/data/english.h"

namespace fb {
namespace {

using ordered_json = cli::Json;

std::string Text(const std::map<int, std::string>& m, int id) {
    const auto it = m.find(id);
    return it == m.end() ? std::string() : it->second;
}

ordered_json TextsOf(const std::map<int, std::string>& m, std::initializer_list<int> ids) {
    ordered_json out = ordered_json::object();
    for (int id : ids) out[std::to_string(id)] = LocalizedRuns(Text(m, id));  // as is in Russian
    return out;
}

ordered_json FieldsJson(const CalcRun& run) {
    const PfcResult& r = run.result;
    ordered_json fields = ordered_json::array();
    for (const InputField<PfcInput>& f : PfcFields()) {
        const bool zazor = std::string(f.key) == "zazor";
        fields.push_back(cli::FieldEntry("key", f.key, zazor ? caption::Zazor(run.input.yes_al) : f.caption,
                                         zazor ? caption::ZazorUnit(run.input.yes_al) : f.unit, f.Text(run.input)));
    }
    for (const ResultField& f : PfcResultFields()) {
        const std::string caption = f.id == pfcid::kRequired ? Text(r.labels, pfcid::kRequiredLabel) : f.caption;
        const std::string unit = f.unitLabel ? Text(r.labels, f.unitLabel) : f.unit;
        fields.push_back(cli::FieldEntry("id", f.id, caption, unit, LocalizedRuns(Text(r.texts, f.id))));
    }
    return fields;
}

}  // namespace

ordered_json JsonReport(const CalcRun& run) {
    const PfcResult& r = run.result;
    ordered_json j;
    ordered_json inputs = ordered_json::object();
    for (const KeyField<PfcInput>& f : PfcKeyTable()) inputs[f.key] = f.ValueText(run.input);
    j["inputs"] = inputs;
    j["core"] = {{"name", run.core.name}, {"shape", run.core.shape}, {"Ae", run.core.AeText},
                 {"An", run.core.AnText}, {"le", run.core.leText},   {"mu", run.core.muText},
                 {"Ve", run.core.VeText}, {"k1", run.core.k1},       {"k2", run.core.k2}};
    j["material"] = run.material;
    ordered_json results = ordered_json::object();
    for (int id : kPfcResultIds) results[std::to_string(id)] = LocalizedRuns(Text(r.texts, id));
    j["results"] = results;
    j["labels"] = TextsOf(
        r.labels, {pfcid::kLreqUnit, pfcid::kLUnit, pfcid::kCinUnit, pfcid::kRequiredLabel, pfcid::kRequiredUnit});
    j["tooltips"] = TextsOf(r.tooltips, {pfcid::kBpk});
    ordered_json messages = ordered_json::array();
    for (const Message& m : run.messages)
        messages.push_back({{"caption", Localized(m.caption)}, {"text", LocalizedRuns(m.text)}});
    j["messages"] = messages;
    j["fields"] = FieldsJson(run);
    return j;
}

namespace {

void AddRow(std::string& out, const PfcResult& r, const ResultField& row) {
    const std::string unit = row.unitLabel ? Text(r.labels, row.unitLabel) : row.unit;
    out += "  " + std::string(row.caption) + ": " + Text(r.texts, row.id);
    if (!unit.empty()) out += " " + unit;
    out += "\n";
}

void AddPair(std::string& out, const PfcResult& r, const char* caption, int idMin, int idMax, const char* unit) {
    out += "  " + std::string(caption) + ": " + Text(r.texts, idMin) + " / " + Text(r.texts, idMax);
    if (*unit) out += " " + std::string(unit);
    out += "\n";
}

// "  Caption: text unit" of an input whose caption ends with its unit.
std::string InputLine(const char* key, const PfcInput& in) {
    const InputField<PfcInput>& f = FieldOf(PfcFields(), key);
    return "  " + BareCaption(f) + ": " + f.Text(in) + " " + f.unit + "\n";
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
    for (const char* key : {"Fr", "Irip", "j"}) out += InputLine(key, in);
    out += "  Выходное напряжение (мин., ном., макс.): " + in.U2min + " / " + in.U2nom + " / " + in.U2max + " В\n";
    out += InputLine("P2", in);
    out += "  " + BareCaption(FieldOf(PfcFields(), "d11")) + ": " + in.d11 + " мм" +
           (in.yes_d == 1 ? " (используется)" : " (не используется)") + "\n";
    // The report reads only yes_al = 1 as AL mode.
    InputField<PfcInput> zazor = FieldOf(PfcFields(), "zazor");
    zazor.caption = caption::Zazor(in.yes_al == 1);
    zazor.unit = caption::ZazorUnit(in.yes_al == 1);
    out += "  " + BareCaption(zazor) + ": " + in.zazor + " " + zazor.unit + "\n\n";
    out += std::string(caption::kCore) + ": " + run.core.name + ", материал: " + run.material + "\n";
    out += "  Эффективная проницаемость: " + run.core.muText + "\n";
    out += "  Площадь сечения сердечника, Ae: " + run.core.AeText + " мм2\n";
    out += "  Площадь окна сердечника, An: " + run.core.AnText + " мм2\n";
    out += "  Длина средней линии сердечника, le: " + run.core.leText + " мм\n";
    out += "  " + std::string(caption::kCoreVolume) + ": " + Text(r.texts, pfcid::kVe) + " см3\n";
    const std::string required = Text(r.labels, pfcid::kRequiredLabel);
    AddRow(out, r, {pfcid::kRequired, required.c_str(), "", pfcid::kRequiredUnit});
    out +=
        "  Амплитуда индукции: " + Text(r.texts, pfcid::kBpk) + " Т (не более " + Text(r.texts, pfcid::kBlim) + " Т)\n";
    out += "  " + Text(r.tooltips, pfcid::kBpk) + "\n";
    AddRow(out, r, PfcResultField(pfcid::kPcore));
    AddRow(out, r, PfcResultField(pfcid::kKfill));
    out += "\nДроссель\n";
    AddRow(out, r, PfcResultField(pfcid::kLreq));
    AddRow(out, r, PfcResultField(pfcid::kL));
    AddRow(out, r, PfcResultField(pfcid::kN));
    AddRow(out, r, PfcResultField(pfcid::kWire));
    AddRow(out, r, PfcResultField(pfcid::kStrands));
    AddRow(out, r, PfcResultField(pfcid::kJmax));
    AddRow(out, r, PfcResultField(pfcid::kCin));
    AddRow(out, r, PfcResultField(pfcid::kCout));
    out += "\nНапряжение питания (мин. / макс.)\n";
    AddPair(out, r, "Ток потребления", pfcid::kIinMin, pfcid::kIinMax, "А");
    AddPair(out, r, "Амплитуда тока дросселя (транзистора)", pfcid::kIpkMin, pfcid::kIpkMax, "А");
    AddPair(out, r, "Размах пульсации тока в дросселе", pfcid::kDIMin, pfcid::kDIMax, "А");
    AddPair(out, r, "Коэф. заполнения импульса", pfcid::kDMin, pfcid::kDMax, "");
    AddRow(out, r, PfcResultField(pfcid::kIcout));
    out += "\n" + PfcResultField(pfcid::kInfo).caption + ":\n" + Indented(Text(r.texts, pfcid::kInfo));
    if (!run.messages.empty()) {
        out += "\nСообщения:\n";
        // Whole before the report is put into English line by line.
        for (const Message& m : run.messages) out += "  " + Localized(m.caption) + " " + LocalizedRuns(m.text) + "\n";
    }
    return out;
}

}  // namespace fb
