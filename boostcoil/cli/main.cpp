// boostcoil-calc: runs the choke design the Boostcoil window runs after loading a design file
// (a ".sav" file or "Boostcoil.ini") and prints its results as a report or as JSON, with the
// design checks and the winding and loss analysis after them; or, with --sweep, the ranking of
// every core and material for the file's requirements.
#include "boostcoil/adviser/pfcadvice.h"
#include "boostcoil/cli/calcrun.h"
#include "boostcoil/cli/report.h"
#include "boostcoil/cli/reportfile.h"
#include "boostcoil/design/pfckeys.h"
#include "common/cli/analysisout.h"
#include "common/cli/calctool.h"
#include "common/cli/designinput.h"

namespace {

using fb::cli::Result;
using fb::cli::Stopped;

Result Run(const fb::cli::Options& options) {
    fb::LossOptions losses;
    const std::string bad = fb::cli::TakeLossOptions(options, losses);
    if (!bad.empty()) return Stopped(fb::cli::kCannotStart, bad);
    const fb::cli::InputCheck input = fb::cli::CheckInputs(options.dataRoot, options.file, fb::PfcDesignFile());
    Result r;
    if (options.sweep.sweep) {
        if (!input.error.empty()) return Stopped(fb::cli::kCannotStart, input.error);
        fb::cli::TakeSweep(fb::SweepPfcFile(options.dataRoot, options.file, {}, losses), options, r);
        fb::cli::ApplyInputCheck(input, r);
        return r;
    }
    const fb::CalcRun run = fb::RunDesignFile(options.dataRoot, options.file, losses);
    if (run.status == fb::CalcRun::Status::CannotStart) return Stopped(fb::cli::kCannotStart, run.error);
    // No design section: whatever ran, it was not this file's design.
    if (!input.error.empty()) return Stopped(fb::cli::kCannotStart, input.error);
    if (run.status == fb::CalcRun::Status::CoreNotListed) {
        r = Stopped(fb::cli::kCoreNotListed, run.error);
        fb::cli::ApplyInputCheck(input, r);
        return r;
    }
    r.json = fb::JsonReport(run);
    r.report = fb::TextReport(run);
    fb::cli::AddCalculated(run, input, options.values.at("--report"), r);
    return r;
}

// --report FILE, then the loss options every analysis takes.
std::vector<fb::cli::ValueOption> ReportAndLossOptions() {
    std::vector<fb::cli::ValueOption> options = {{"--report", "FILE", "записать отчет о расчете (.pdf или .html)", ""}};
    for (const fb::cli::ValueOption& o : fb::cli::LossValueOptions()) options.push_back(o);
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    const fb::cli::Tool tool{
        "boostcoil-calc",
        "Расчет дросселя корректора коэффициента мощности по файлу расчета (.sav или "
        "Boostcoil.ini),\nкак его выполняет окно программы Boostcoil после загрузки файла.",
        ReportAndLossOptions(),
        2,
        {{fb::cli::InterleaveFlag().name, "принимается, как у flyback-calc; у дросселя одна обмотка"}},
        true};
    return fb::cli::Main(tool, argc, argv, Run);
}
