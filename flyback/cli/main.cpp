// flyback-calc: runs the flyback design of a saved design file the way the window does after
// loading it, and prints the results as JSON or as a readable report, with the design checks
// and the winding and loss analysis after them; or, with --sweep, the ranking of every core
// and material for the file's requirements.
#include "common/cli/analysisout.h"
#include "common/cli/calctool.h"
#include "common/cli/designinput.h"
#include "common/data/english.h"
#include "flyback/adviser/flybackadvice.h"
#include "flyback/cli/calcrun.h"
#include "flyback/cli/output.h"
#include "flyback/cli/reportfile.h"

namespace {

using fb::cli::Result;
using fb::cli::Stopped;

// The bulk capacitor for the DC-bus figures: 0 (the method's) or more µF.
bool Capacitance(const fb::cli::Options& options, double& uF, std::string& error) {
    if (!fb::cli::OptionNumber(options, "--capacitance", uF, error)) return false;
    if (uF >= 0) return true;
    error = fb::Localized("емкость после --capacitance должна быть не меньше 0 мкФ (0: по методике)");
    return false;
}

Result Run(const fb::cli::Options& options) {
    fb::CalcOptions calc;
    calc.dataRoot = options.dataRoot;
    calc.usense = options.values.at("--usense");
    calc.file = options.file;
    std::string bad = fb::cli::TakeLossOptions(options, calc.losses);
    if (bad.empty()) Capacitance(options, calc.capacitance, bad);
    if (!bad.empty()) return Stopped(fb::cli::kCannotStart, bad);
    const fb::cli::InputCheck input = fb::cli::CheckInputs(options.dataRoot, options.file, fb::FlybackDesignFile());
    Result r;
    if (options.sweep.sweep) {
        if (!input.error.empty()) return Stopped(fb::cli::kCannotStart, input.error);
        fb::cli::TakeSweep(
            fb::SweepFlybackFile(calc.dataRoot, calc.file, calc.usense, {}, calc.losses, calc.capacitance), options, r);
        fb::cli::ApplyInputCheck(input, r);
        return r;
    }
    const fb::CalcRun run = fb::RunFlybackCalc(calc);
    if (run.status == fb::CalcStatus::CannotStart) return Stopped(fb::cli::kCannotStart, run.error);
    // No design section: whatever ran, it was not this file's design.
    if (!input.error.empty()) return Stopped(fb::cli::kCannotStart, input.error);
    if (run.status == fb::CalcStatus::CoreNotFound) {
        r = Stopped(fb::cli::kCoreNotListed, run.error);
        for (const fb::Message& m : run.messages) r.notes.push_back(m.caption + " " + m.text);
        fb::cli::ApplyInputCheck(input, r);
        return r;
    }
    r.json = fb::CalcJson(run);
    r.report = fb::CalcReport(run, options.file);
    fb::cli::AddCalculated(run, input, options.values.at("--report"), r);
    return r;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<fb::cli::ValueOption> options = {
        {"--usense", "TEXT", "пороговое напряжение датчика тока, В (по умолчанию 1)", "1"},
        {"--report", "FILE", "записать отчет о расчете (.pdf или .html)", ""}};
    for (const fb::cli::ValueOption& o : fb::cli::LossValueOptions()) options.push_back(o);
    options.push_back({"--capacitance", "UF",
                       "емкость конденсатора после выпрямителя для напряжений шины, мкФ (по умолчанию 0:\n"
                       "                   рекомендуемая методикой)",
                       "0"});
    const fb::cli::Tool tool{
        "flyback-calc",
        "Расчет трансформатора обратноходового преобразователя по файлу расчета (.sav или Flyback.ini),\n"
        "как его выполняет окно программы flyback после загрузки файла.",
        options,
        -1,
        {fb::cli::InterleaveFlag()},
        true};
    return fb::cli::Main(tool, argc, argv, Run);
}
