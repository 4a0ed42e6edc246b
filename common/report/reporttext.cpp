#include "common/data/english.h"
#include "common/data/textlayout.h"
#include "common/report/reportdata.h"

namespace fb {
namespace {

class TextReport : public AlignedText {
public:
    void Heading(const std::string& text) { AlignedText::Heading(Localized(text)); }
    void Rows(const std::vector<ReportRow>& rows) {
        if (rows.empty()) Line(Localized(report::kNothing));
        for (const ReportRow& r : rows) Row(r.caption, r.value, r.unit);
    }
};

std::string Joined(const std::vector<std::string>& cells) {
    std::string s;
    for (const std::string& c : cells) s += (s.empty() ? "" : " | ") + c;
    return s;
}

}  // namespace

std::string ReportPlainText(const ReportData& d) {
    TextReport r;
    r.Heading(d.title);
    r.Line(d.program + " " + d.version + ", " + d.date);
    r.Heading(report::kInputs);
    r.Rows(d.inputs);
    r.Heading(report::kCore);
    r.Rows(d.core);
    r.Rows(d.material);
    r.Heading(report::kResults);
    r.Rows(d.results);
    for (std::string m : d.messages) {
        for (char& c : m)
            if (c == '\n') c = ' ';
        r.Line("! " + m);
    }
    r.Heading(report::kChecks);
    if (d.checks.empty()) r.Line(Localized(report::kNothing));
    for (const ReportCheck& c : d.checks) r.Line("[" + c.severity + "] " + c.rule + ": " + c.text);
    r.Heading(report::kAnalysis);
    r.Rows(d.analysis);
    if (!d.windings.Empty()) {
        r.Line(Joined(d.windings.headers));
        for (const auto& row : d.windings.rows) r.Line(Joined(row));
    }
    r.Heading(report::kInstructions);
    if (d.instructions.empty()) r.Line(Localized(report::kNothing));
    for (size_t i = 0; i < d.instructions.size(); ++i) r.Line(std::to_string(i + 1) + ". " + d.instructions[i]);
    if (!d.clamper.empty()) {
        r.Heading(report::kClamper);
        r.Rows(d.clamper);
    }
    return r.Text();
}

}  // namespace fb
