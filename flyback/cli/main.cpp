// flyback-calc: runs the flyback design of a saved design file the way the window does after
// loading it, and prints the results as JSON or as a readable report.
#include "common/cli/calctool.h"
#include "flyback/cli/reportfile.h"
#include "flyback/cli/calcrun.h"
#include "flyback/cli/output.h"

namespace {

fb::cli::Result Run(const fb::cli::Options& options) {
    fb::CalcOptions calc;
    calc.dataRoot = options.dataRoot;
    calc.usense = options.values.at("--usense");
    calc.file = options.file;
    const fb::CalcRun run = fb::RunFlybackCalc(calc);
    fb::cli::Result r;
    switch (run.status) {
    case fb::CalcStatus::CannotStart:
        r.status = fb::cli::kCannotStart;
        r.error = run.error;
        return r;
    case fb::CalcStatus::CoreNotFound:
        r.status = fb::cli::kCoreNotListed;
        r.error = run.error;
        for (const fb::Message& m : run.messages) r.notes.push_back(m.caption + " " + m.text);
        return r;
    case fb::CalcStatus::Done:
        break;
    }
    r.json = fb::CalcJson(run);
    r.report = fb::CalcReport(run, options.file);
    // --report FILE: the design report beside the printed results; a file not written stops the run.
    if (const std::string& file = options.values.at("--report"); !file.empty()) {
        if (!fb::WriteCalcReportFile(run, options.dataRoot, file, &r.error)) r.status = fb::cli::kCannotStart;
    }
    return r;
}

}  // namespace

int main(int argc, char** argv) {
    const fb::cli::Tool tool{
        "flyback-calc",
        "Расчет трансформатора обратноходового преобразователя по файлу расчета (.sav или Flyback.ini),\n"
        "как его выполняет окно программы flyback после загрузки файла.",
        {{"--usense", "TEXT", "пороговое напряжение датчика тока, В (по умолчанию 1)", "1"},
         {"--report", "FILE", "записать отчет о расчете (.pdf или .html)", ""}},
        -1};
    return fb::cli::Main(tool, argc, argv, Run);
}
