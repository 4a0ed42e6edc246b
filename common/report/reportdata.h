#pragma once
// The contents of a design report as plain data: the window or the command-line tool fills
// it from its outcome; the report library lays it out (HTML, PDF, print, plain text).
// No Qt here, so a caller without Qt can fill it and lay it out as text.
#include <string>
#include <vector>

#include "common/analysis/lossanalysis.h"
#include "common/analysis/waveforms.h"
#include "common/data/coregeometry.h"

namespace fb {

// One line of a caption/value table; the unit is shown after the value.
struct ReportRow {
    std::string caption, value, unit;
};

// One design check: the rule's name, its severity as the checks name it, and the message.
struct ReportCheck {
    std::string rule, severity, text;
};

struct ReportTable {
    std::vector<std::string> headers;
    std::vector<std::vector<std::string>> rows;
    bool Empty() const { return rows.empty(); }
};

// A picture that is not a plot (the winding-window drawing): SVG text or PNG bytes.
struct ReportImage {
    std::string caption;
    std::string format;  // "svg" or "png"
    std::string data;
};

struct ReportData {
    std::string title;    // e.g. "Отчет о расчете flyback-трансформатора"
    std::string program;  // "flyback" or "Boostcoil"
    std::string version;
    std::string date;  // as the caller wants it shown
    std::vector<ReportRow> inputs;
    std::vector<ReportRow> core, material;
    std::vector<ReportRow> results;     // every result of the form with caption and unit
    std::vector<std::string> messages;  // the method's warnings of this run
    std::vector<ReportCheck> checks;
    std::vector<ReportRow> analysis;  // losses, build-up, temperature
    ReportTable windings;             // per winding: order, turns, strands × wire, layers, insulation
    std::vector<ReportImage> images;  // drawings of the analysis section
    // The build-up the winding-window drawing is made from (drawn where the document is laid out).
    bool hasWindingDrawing = false;
    LossAnalysis windingLosses;
    CoreGeometry windingGeometry;
    std::vector<std::string> instructions;  // winding steps for the technician, in order
    std::vector<ReportRow> clamper;         // flyback only; the section is left out when empty
    PlotSet plots;
};

// The section headings, in the order every output lays them out.
namespace report {
inline const char* const kInputs = "Исходные данные";
inline const char* const kCore = "Сердечник и материал";
inline const char* const kResults = "Результаты расчета";
inline const char* const kChecks = "Проверка проекта";
inline const char* const kAnalysis = "Потери, намотка и температура";
inline const char* const kInstructions = "Инструкция по намотке";
inline const char* const kClamper = "RCD-демпфер";
inline const char* const kPlots = "Графики";
inline const char* const kNothing = "нет данных";
}  // namespace report

// The report as plain text (the clipboard's "Copy"): headings and "caption: value unit" rows
// aligned as in the command-line tools' text report; plots are left out.
std::string ReportPlainText(const ReportData& data);

}  // namespace fb
