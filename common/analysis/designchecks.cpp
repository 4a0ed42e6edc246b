#include "common/analysis/designchecks.h"

#include <charconv>
#include <cmath>

#include "common/data/english.h"
#include "common/data/numbers.h"

namespace fb {
namespace {

void Add(Checks& out, const char* rule, Severity s, std::string text, std::vector<CheckValue> values) {
    out.push_back(Check{rule, s, std::move(text), std::move(values)});
}

// The fringing factor 1 + (g/√Ae)·ln(le/(3g)) falls below 1 from g = le/3 on: the model
// (valid for gaps small against the path) then makes the gap shorter than cut.
void CheckFringing(const GapCheckData& d, Checks& out) {
    if (!(d.gap > 0) || !(d.le > 0)) return;
    if (d.gap >= d.le / 3) {
        Add(out, "gap_fringing_range", Severity::Error,
            Phrase(d.hasAlLaw ? "Зазор {1} мм не меньше трети длины магнитной линии ({2} мм): закон AL сердечника "
                                "здесь не проверен, расчёт недостоверен. Выберите сердечник большего размера."
                              : "Зазор {1} мм не меньше трети длины магнитной линии ({2} мм): модель выпучивания "
                                "поля здесь неприменима, расчёт недостоверен. Выберите сердечник большего размера.",
                   {F3(d.gap), F1(d.le)}),
            {{"gap_mm", d.gap}, {"le_mm", d.le}});
        return;
    }
    if (d.hasAlLaw || !(d.Ae > 0)) return;
    const double Ffr = 1 + d.gap / std::sqrt(d.Ae) * std::log(d.le / (3 * d.gap));
    // The factor falls back towards 1 as the gap nears le/3, so long gaps count on their own.
    if (Ffr > kFringingLimit || d.gap >= d.le / 10)
        Add(out, "gap_fringing_range", Severity::Warning,
            Phrase("Зазор {1} мм велик для этого сердечника (коэффициент выпучивания {2}): индуктивность известна "
                   "лишь приблизительно, а поле у зазора греет обмотку. Проверьте индуктивность измерением или "
                   "выберите сердечник большего размера.",
                   {F3(d.gap), F2(Ffr)}),
            {{"gap_mm", d.gap}, {"fringing_factor", Ffr}});
}

}  // namespace

const char* SeverityName(Severity s) {
    switch (s) {
    case Severity::Error: return "error";
    case Severity::Warning: return "warning";
    case Severity::Note: return "note";
    }
    return "note";
}

bool HasError(const Checks& checks) {
    for (const Check& c : checks)
        if (c.severity == Severity::Error) return true;
    return false;
}

std::string JsonQuoted(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            static const char hex[] = "0123456789abcdef";
            out += "\\u00";
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string JsonNumber(double v) {
    if (!std::isfinite(v)) return "null";
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);  // shortest round-trip, no locale
    return std::string(buf, r.ptr);
}

std::string ChecksJson(const Checks& checks) {
    std::string s = "[";
    for (size_t i = 0; i < checks.size(); ++i) {
        const Check& c = checks[i];
        if (i) s += ",";
        s += "{\"rule\":" + JsonQuoted(c.rule) + ",\"severity\":" + JsonQuoted(SeverityName(c.severity)) +
             ",\"text\":" + JsonQuoted(c.text) + ",\"values\":{";
        for (size_t k = 0; k < c.values.size(); ++k) {
            if (k) s += ",";
            s += JsonQuoted(c.values[k].name) + ":" + JsonNumber(c.values[k].value);
        }
        s += "}}";
    }
    return s + "]";
}

std::vector<std::string> ChecksReportLines(const Checks& checks) {
    if (checks.empty()) return {Localized("Проверка: замечаний нет.")};
    std::vector<std::string> lines;
    for (const Check& c : checks) {
        const char* word = c.severity == Severity::Error     ? "ошибка"
                           : c.severity == Severity::Warning ? "предупреждение"
                                                             : "замечание";
        lines.push_back("[" + Localized(word) + "] " + c.text + " (" + c.rule + ")");
    }
    return lines;
}

bool IsToroidName(const std::string& name) {
    const size_t i = name.find_first_not_of(' ');
    if (i == std::string::npos) return false;
    if (name.find("кольц") != std::string::npos || name.find("Кольц") != std::string::npos) return true;
    const char a = name[i], b = i + 1 < name.size() ? name[i + 1] : ' ';
    if (a != 'T' && a != 'R') return false;
    return b == ' ' || (b >= '0' && b <= '9') || (a == 'T' && (b == 'X' || b == 'N' || b == 'C'));
}

void CheckGap(const GapCheckData& d, Checks& out) {
    if (d.gap > 0 && d.toroid)
        Add(out, "gap_on_toroid", Severity::Error,
            Phrase("Зазор {1} мм на кольцевом сердечнике пропилить нельзя. Выберите сердечник с разъёмом (E, ETD, "
                   "PQ, RM) или кольцо из порошкового материала.",
                   {F3(d.gap)}),
            {{"gap_mm", d.gap}});
    CheckFringing(d, out);
    // A gap cut in the centre leg must stay well inside the window height; E-type windows are
    // about twice as high as wide, so the height is about √(2·An).
    const double height = d.An > 0 ? std::sqrt(2 * d.An) : 0;
    if (d.gap > 0 && !d.toroid && height > 0 && d.gap >= height)
        Add(out, "gap_window", Severity::Error,
            Phrase("Зазор {1} мм больше высоты окна сердечника (около {2} мм): такой зазор не выполнить. Выберите "
                   "сердечник большего размера.",
                   {F3(d.gap), F1(height)}),
            {{"gap_mm", d.gap}, {"window_height_mm", height}});
    // Below a μe of about 10 the gap's stray field, not the core, sets the inductance.
    if (d.gap > 0 && d.mue > 0 && d.mue < 10)
        Add(out, "mue_low", d.mue < 3 ? Severity::Error : Severity::Warning,
            Phrase("Эффективная проницаемость {1} слишком мала: индуктивность определяет поле рассеяния зазора, а "
                   "не сердечник. Выберите сердечник большего размера.",
                   {F1(d.mue)}),
            {{"mue", d.mue}});
}

void CheckFlux(const FluxCheckData& d, Checks& out) {
    // The files' Bmax is already derated from saturation at 100 °C: above it the core works
    // without margin; above saturation it cannot work. Same 0.5 mT tolerance as the method.
    const double Bsat = d.Bmax / kBmaxToBsat100;
    if (d.Bmax > 0 && d.Bpk > d.Bmax + 0.0005)
        Add(out, "flux_above_bmax", d.Bpk > Bsat ? Severity::Error : Severity::Warning,
            d.Bpk > Bsat ? Phrase("Амплитуда индукции {1} Т выше предельной для материала {2} Т и насыщения при "
                                  "100 °C (около {3} Т): сердечник насыщается. Увеличьте зазор или число витков, "
                                  "либо выберите сердечник большего размера.",
                                  {F3(d.Bpk), F3(d.Bmax), F3(Bsat)})
                         : Phrase("Амплитуда индукции {1} Т выше предельной для материала {2} Т: запаса до "
                                  "насыщения почти нет. Увеличьте зазор или число витков, либо выберите сердечник "
                                  "большего размера.",
                                  {F3(d.Bpk), F3(d.Bmax)}),
            {{"Bpk_T", d.Bpk}, {"Bmax_T", d.Bmax}, {"Bsat100_T", Bsat}});
    else if (d.Blim > 0 && d.Bpk > d.Blim + 0.0005)
        Add(out, "flux_above_limit", Severity::Warning,
            Phrase("Амплитуда индукции {1} Т выше допустимой {2} Т. Увеличьте зазор или выберите сердечник большего "
                   "размера.",
                   {F3(d.Bpk), F3(d.Blim)}),
            {{"Bpk_T", d.Bpk}, {"Blim_T", d.Blim}});
}

void CheckTrip(const TripCheckData& d, Checks& out) {
    if (!(d.Ipk > 0) || !(d.Itrip > 0) || !(d.Bpk > 0)) return;
    const double headroom = d.Itrip / d.Ipk - 1;
    if (headroom < kTripTolerance)
        Add(out, "current_limit_headroom", headroom < 0 ? Severity::Error : Severity::Warning,
            Phrase("Ток срабатывания защиты {1} А превышает пиковый ток при полной нагрузке {2} А лишь на {3} %: с "
                   "разбросом порога источник уйдёт в ограничение тока при полной нагрузке. Нужен запас не менее "
                   "10 %: увеличьте зазор или выберите сердечник большего размера.",
                   {F3(d.Itrip), F3(d.Ipk), F1(headroom * 100)}),
            {{"Itrip_A", d.Itrip}, {"Ipk_A", d.Ipk}, {"headroom_pct", headroom * 100}});
    // Flux follows the current until saturation; the upper end of the trip tolerance counts.
    const double Btrip = d.Bpk * d.Itrip / d.Ipk;
    const double Bsat = d.Bmax / kBmaxToBsat100;
    const double BtripHigh = Btrip * (1 + kTripTolerance);
    if (d.Bmax > 0 && BtripHigh > Bsat)
        Add(out, "trip_flux_saturation", Btrip > Bsat ? Severity::Error : Severity::Warning,
            Phrase("При срабатывании защиты ({1} А) индукция {2} Т, с разбросом порога +10 % — {3} Т, а насыщение при "
                   "100 °C около {4} Т. Снизьте порог ограничения тока или увеличьте зазор.",
                   {F3(d.Itrip), F3(Btrip), F3(BtripHigh), F3(Bsat)}),
            {{"Itrip_A", d.Itrip}, {"Btrip_T", Btrip}, {"Btrip_tolerance_T", BtripHigh}, {"Bsat100_T", Bsat}});
}

void CheckFill(const FillCheckData& d, Checks& out) {
    if (d.insulatedFill > 1)
        Add(out, "window_fill", Severity::Error,
            Phrase("Обмотки с изоляцией занимают {1} площади окна: они не поместятся. Выберите сердечник большего "
                   "размера или уменьшите плотность тока.",
                   {F2(d.insulatedFill)}),
            {{"fill_insulated", d.insulatedFill}, {"limit", 1}});
    else if (d.insulatedFill > d.limit)
        Add(out, "window_fill", Severity::Warning,
            Phrase("Обмотки с изоляцией занимают {1} площади окна, больше {2}: проверьте размещение с каркасом и "
                   "изоляцией или выберите сердечник большего размера.",
                   {F2(d.insulatedFill), F2(d.limit)}),
            {{"fill_insulated", d.insulatedFill}, {"limit", d.limit}});
}

void CheckLossRange(const LossRangeData& d, Checks& out) {
    if (d.Flast > 0 && (d.f > d.Flast * (1 + 1e-9) || d.f < d.Ffirst * (1 - 1e-9)))
        Add(out, "loss_extrapolated", Severity::Warning,
            Phrase("Частота {1} кГц вне таблицы потерь материала {2} ({3}…{4} кГц): потери и допустимая индукция "
                   "экстраполированы. Выберите материал для этой частоты.",
                   {F1(d.f), d.material, F1(d.Ffirst), F1(d.Flast)}),
            {{"f_kHz", d.f}, {"Ffirst_kHz", d.Ffirst}, {"Flast_kHz", d.Flast}});
    if (d.Blast > 0 && d.Bac > d.Blast * (1 + 1e-9))
        Add(out, "loss_extrapolated", Severity::Warning,
            Phrase("Переменная индукция {1} Т выше последней точки таблицы потерь ({2} Т): потери экстраполированы. "
                   "Увеличьте число витков или выберите сердечник большего размера.",
                   {F3(d.Bac), F3(d.Blast)}),
            {{"Bac_T", d.Bac}, {"Blast_T", d.Blast}});
    else if (d.Bfirst > 0 && d.Bac > 0 && d.Bac < d.Bfirst * (1 - 1e-9))
        Add(out, "loss_extrapolated", Severity::Note,
            Phrase("Переменная индукция {1} Т ниже первой точки таблицы потерь ({2} Т): потери экстраполированы, но "
                   "малы.",
                   {F3(d.Bac), F3(d.Bfirst)}),
            {{"Bac_T", d.Bac}, {"Bfirst_T", d.Bfirst}});
}

void CheckFinite(const std::vector<NamedValue>& values, Checks& out) {
    std::string names;
    for (const NamedValue& v : values)
        if (!std::isfinite(v.value)) names += (names.empty() ? "" : ", ") + v.name;
    if (!names.empty())
        Add(out, "not_finite", Severity::Error,
            Phrase("Результаты не являются конечными числами ({1}). Проверьте исходные данные, данные сердечника и "
                   "материала.",
                   {names}),
            {});
}

void CheckDuty(const std::vector<NamedValue>& duties, Checks& out) {
    for (const NamedValue& v : duties)
        if (std::isfinite(v.value) && (v.value < 0 || v.value >= 1))
            Add(out, "duty_out_of_range", Severity::Error,
                Phrase("Коэффициент заполнения {1} = {2} вне пределов 0…1: при этих напряжениях схема работать не "
                       "может. Проверьте входные и выходные напряжения.",
                       {Localized(v.name), F3(v.value)}),
                {{"duty", v.value}});
}

void CheckNotComputed(const std::string& reason, Checks& out) {
    // The engine's stop text is whole in the table; its first line says what happened.
    const std::string said = LocalizedRuns(reason);
    Add(out, "not_computed", Severity::Error, Phrase("Расчёт не выполнен: {1}", {said.substr(0, said.find('\n'))}), {});
}

}  // namespace fb
