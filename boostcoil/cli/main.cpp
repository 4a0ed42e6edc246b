// boostcoil-calc: runs the choke design the Boostcoil window runs after loading a design file
// (a ".sav" file or "Boostcoil.ini") and prints its results as a report or as JSON.
#include "boostcoil/cli/calcrun.h"
#include "boostcoil/cli/report.h"
#include "common/cli/calctool.h"
#include "boostcoil/cli/reportfile.h"

namespace {

fb::cli::Result Run(const fb::cli::Options& options) {
    const fb::CalcRun run = fb::RunDesignFile(options.dataRoot, options.file);
    fb::cli::Result r;
    if (run.status != fb::CalcRun::Status::Calculated) {
        r.status = run.status == fb::CalcRun::Status::CoreNotListed ? fb::cli::kCoreNotListed : fb::cli::kCannotStart;
        r.error = run.error;
        return r;
    }
    r.json = fb::JsonReport(run);
    r.report = fb::TextReport(run);
    // --report FILE: the design report beside the printed results; a file not written stops the run.
    if (const std::string& file = options.values.at("--report"); !file.empty()) {
        if (!fb::WriteCalcReportFile(run, options.dataRoot, file, &r.error)) r.status = fb::cli::kCannotStart;
    }
    return r;
}

}  // namespace

int main(int argc, char** argv) {
    const fb::cli::Tool tool{"boostcoil-calc",
                             "Расчет дросселя корректора коэффициента мощности по файлу расчета (.sav или "
                             "Boostcoil.ini),\nкак его выполняет окно программы Boostcoil после загрузки файла.",
                             {{"--report", "FILE", "записать отчет о расчете (.pdf или .html)", ""}},
                             2};
    return fb::cli::Main(tool, argc, argv, Run);
}
