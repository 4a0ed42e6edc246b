#pragma once
// The parts of a report both programs fill alike from their field catalogues and their
// DesignAnalysis: caption/value rows, the checks, the losses, the windings table and the
// winding steps for whoever winds the sample. Plain C++.
#include <map>
#include <string>
#include <vector>

#include "common/analysis/designanalysis.h"
#include "common/data/english.h"
#include "common/data/programinfo.h"
#include "common/files/fieldcatalogue.h"
#include "common/report/reportdata.h"
#include "common/report/reportrows.h"

namespace fb {

// One row per input the design holds: bare caption, text, unit; a check box reads
// "да"/"нет".
template <class Input>
std::vector<ReportRow> InputRows(const InputCatalogue<Input>& fields, const Input& in) {
    std::vector<ReportRow> rows;
    for (const InputField<Input>& f : fields) {
        if (!*f.caption) continue;
        const std::string text = f.kind == FieldKind::Check ? Localized(in.*f.flag ? "да" : "нет") : f.Text(in);
        if (text.empty()) continue;  // an unused row (an absent winding)
        rows.push_back(LocalizedRow({BareCaption(f), text, f.unit}, f.caption));
    }
    return rows;
}

// One row per result control the design filled, with its caption and unit (a switched unit from its label); a
// field without a caption takes the label `captionLabels` names for its ID.
std::vector<ReportRow> ResultRows(const std::vector<ResultField>& fields, const std::map<int, std::string>& texts,
                                  const std::map<int, std::string>& labels,
                                  const std::map<int, int>& captionLabels = {});

// Checks, figures and losses, the windings table and the winding steps.
void FillAnalysis(ReportData& data, const DesignAnalysis& analysis, const CoreGeometry& geometry);

// What a report takes beside the program's own result, alike in the window and the CLI.
struct ReportSource {
    const CoreRecord& core;
    const CMaterial& material;
    const DesignAnalysis& analysis;
    const Messages& messages;      // as shown for this run
    const CoreGeometry& geometry;  // the one the analysis used
    std::string date;              // shown as given
};

// A design report with what both programs fill alike: heading, date, the core and material
// tables, the messages and the analysis. The program adds its inputs, results and plots.
ReportData DesignReport(const char* title, const ProgramInfo& program, const ReportSource& s);

// The winding-window drawing goes into ReportData::images under this caption.
inline const char* const kWindingDrawingCaption = "Окно намотки";

// Today's date as "dd.mm.yyyy" (local time).
std::string ReportDateToday();

}  // namespace fb
