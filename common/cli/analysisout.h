#pragma once
// What both tools print beyond the method: the loss options of the command line, the design
// checks, the additional figures, the winding and loss analysis, and the core sweep.
#include <string>
#include <vector>

#include "common/adviser/sweepfile.h"
#include "common/analysis/designanalysis.h"
#include "common/cli/calctool.h"
#include "common/cli/designinput.h"

namespace fb::cli {

// --ambient, --tape, --tape-layers, --margin, --rise-limit, with LossOptions' defaults.
std::vector<ValueOption> LossValueOptions();
// --interleave.
FlagOption InterleaveFlag();

// A value option read as a finite number ("," or "." alike, no locale); false with `error`
// naming the option and the text otherwise.
bool OptionNumber(const Options& options, const std::string& name, double& value, std::string& error);

// The loss options given on the command line; "" or the message of the first bad value (a
// text that is no number, or CheckLossOptions' message).
std::string TakeLossOptions(const Options& options, LossOptions& out);

// "checks" and "analysis" (the loss analysis with "figures" inside) after the tool's keys;
// the sections "Проверка", "Дополнительные величины" and "Намотка и потери" after its report;
// checkError when a check is an error.
void AddAnalysis(const DesignAnalysis& analysis, Result& r);

// The ranking of --sweep as the options ask (JSON object or table); status 2 when the sweep
// could not run.
void TakeSweep(const SweepRun& run, const Options& options, Result& r);

// After the tool's own JSON and report of a calculated design: the analysis, the warnings,
// the input check, and the design report into `reportFile` when one is named (a file not
// written stops the run). Run is either tool's CalcRun, whose WriteCalcReportFile is found
// beside it.
template <class Run>
void AddCalculated(const Run& run, const InputCheck& input, const std::string& reportFile, Result& r) {
    AddAnalysis(run.analysis, r);
    r.warnings = run.warnings;
    ApplyInputCheck(input, r);
    if (!reportFile.empty() && !WriteCalcReportFile(run, reportFile, &r.error)) r.status = kCannotStart;
}

}  // namespace fb::cli
