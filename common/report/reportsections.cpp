#include "common/report/reportsections.h"

#include <ctime>

#include "common/data/english.h"
#include "common/data/numbers.h"

namespace fb {
namespace {

std::string TextOf(const std::map<int, std::string>& m, int id) {
    const auto it = m.find(id);
    return it == m.end() ? std::string() : it->second;
}

std::string StrandsText(const WindingResult& w) { return F0(w.strands) + " × " + TidyNumber(w.wire_mm); }

void LossRows(ReportData& data, const LossAnalysis& a) {
    data.analysis.push_back({"Потери в сердечнике", F3(a.coreLoss), "Вт"});
    data.analysis.push_back({"Потери в меди", F3(a.copperLoss), "Вт"});
    data.analysis.push_back({"Потери всего", F3(a.totalLoss), "Вт"});
    data.analysis.push_back({"Перегрев", F1(a.rise), "К"});
    data.analysis.push_back({"Допустимый перегрев", F0(a.riseLimit), "К"});
    data.analysis.push_back({"Температура окружающей среды", F0(a.ambient), "°C"});
    data.analysis.push_back({"Температура обмотки", F1(a.hotSpot), "°C"});
    data.analysis.push_back({"Высота намотки", F2(a.build), "мм"});
    data.analysis.push_back({"Высота окна каркаса", F2(a.formerHeight), "мм"});
    data.analysis.push_back({"Заполнение по высоте", F0(a.buildFill * 100) + (a.fits ? "" : " (НЕ помещается)"), "%"});
    if (a.hasLeakage) data.analysis.push_back({"Индуктивность рассеяния (оценка)", F2(a.leakage_uH), "мкГн"});
    if (a.geometryEstimated) data.analysis.push_back({"Размеры каркаса", "оценены по данным сердечника", ""});
}

// The figures, the losses when analysed and the analysis's notes (composed in the chosen
// language already).
void AnalysisRows(ReportData& data, const DesignAnalysis& analysis) {
    for (const Figure& f : analysis.figures) data.analysis.push_back({f.label, F3(f.value), f.unit});
    const LossAnalysis& a = analysis.losses;
    if (a.valid) LossRows(data, a);
    for (const std::string& n : a.notes) data.analysis.push_back({"Примечание", n, ""});
    for (ReportRow& r : data.analysis) r = LocalizedRow(std::move(r));
}

void WindingsTable(ReportData& data, const LossAnalysis& a) {
    data.windings.headers = {"№",          "Обмотка", "Витки",     "Жилы × провод, мм", "Слои × витков",
                             "Высота, мм", "Rac/Rdc", "Потери, Вт"};
    for (std::string& h : data.windings.headers) h = Localized(h);
    int order = 0;
    for (const WindingResult& w : a.windings)
        data.windings.rows.push_back({FormatInt(++order), LocalizedWindingName(w.name), F0(w.turns), StrandsText(w),
                                      FormatInt(w.build.layers) + " × " + FormatInt(w.build.turnsPerLayer),
                                      F2(w.build.build_mm), F2(w.acFactor), F3(w.loss)});
}

// Steps in the order wound (the layout numbers them): each winding, then the tape over it.
void Instructions(ReportData& data, const LossAnalysis& a) {
    const LossOptions& o = a.options;
    if (o.margin_mm > 0)
        data.instructions.push_back(Phrase("Оставить поля {1} мм у каждого края каркаса.", {TidyNumber(o.margin_mm)}));
    const std::vector<std::string> tape = {FormatInt(o.tapeLayers), TidyNumber(o.tape_mm),
                                           TidyNumber(o.InsulationGap())};
    for (size_t i = 0; i < a.windings.size(); ++i) {
        const WindingResult& w = a.windings[i];
        data.instructions.push_back(
            Phrase("{1}: {2} вит. проводом {3} мм (в изоляции {4} мм), {5} сл. по {6} вит. в слое.",
                   {LocalizedWindingName(w.name), F0(w.turns), StrandsText(w), TidyNumber(w.insulated_mm),
                    FormatInt(w.build.layers), FormatInt(w.build.turnsPerLayer)}));
        const bool last = i + 1 == a.windings.size();
        data.instructions.push_back(Phrase(last
                                               ? "Наружная изоляция: {1} сл. ленты по {2} мм ({3} мм)."
                                               : "Изоляция перед следующей обмоткой: {1} сл. ленты по {2} мм ({3} мм).",
                                           tape));
    }
}

// A result text that already ends with its unit does not repeat it.
bool EndsWithUnit(const std::string& text, const std::string& unit) {
    return !unit.empty() && text.size() >= unit.size() &&
           text.compare(text.size() - unit.size(), unit.size(), unit) == 0;
}

}  // namespace

std::vector<ReportRow> ResultRows(const std::vector<ResultField>& fields, const std::map<int, std::string>& texts,
                                  const std::map<int, std::string>& labels, const std::map<int, int>& captionLabels) {
    std::vector<ReportRow> rows;
    for (const ResultField& f : fields) {
        const std::string unit = f.unitLabel ? TextOf(labels, f.unitLabel) : f.unit;
        const auto label = captionLabels.find(f.id);
        const std::string caption =
            f.caption.empty() && label != captionLabels.end() ? TextOf(labels, label->second) : f.caption;
        const std::string text = TextOf(texts, f.id);
        if (text.empty()) continue;  // a control the design left blank (an absent winding)
        rows.push_back(LocalizedRow({caption, text, EndsWithUnit(text, unit) ? "" : unit}));
    }
    return rows;
}

void FillAnalysis(ReportData& data, const DesignAnalysis& analysis, const CoreGeometry& geometry) {
    for (const Check& c : analysis.checks) data.checks.push_back({c.rule, SeverityName(c.severity), c.text});
    AnalysisRows(data, analysis);
    if (!analysis.losses.valid) return;
    WindingsTable(data, analysis.losses);
    Instructions(data, analysis.losses);
    data.hasWindingDrawing = geometry.HasBobbin();
    data.windingLosses = analysis.losses;
    data.windingGeometry = geometry;
}

ReportData DesignReport(const char* title, const ProgramInfo& program, const ReportSource& s) {
    ReportData d;
    d.title = Localized(title);
    d.program = program.name;
    d.version = program.version;
    d.date = s.date;
    d.core = CoreRows(s.core);
    d.material = MaterialRows(s.material);
    d.messages = MessageTexts(s.messages);
    FillAnalysis(d, s.analysis, s.geometry);
    return d;
}

std::string ReportDateToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char text[16];
    std::strftime(text, sizeof text, "%d.%m.%Y", &local);
    return text;
}

}  // namespace fb
