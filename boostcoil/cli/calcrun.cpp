#include "boostcoil/cli/calcrun.h"

#include "boostcoil/design/pfcanalysis.h"
#include "boostcoil/design/pfckeys.h"
#include "common/adviser/adviceanalysis.h"
#include "common/cli/designinput.h"
#include "common/data/english.h"
#include "common/files/startup.h"

namespace fb {
namespace {

CalcRun Stop(CalcRun run, const std::string& why) {
    run.status = CalcRun::Status::CannotStart;
    run.error = why;
    // The window's start-up messages end with a line of farewell; one line suits stderr.
    for (char& c : run.error)
        if (c == '\n') c = ' ';
    return run;
}

}  // namespace

CalcRun RunDesignFile(const std::string& dataRoot, const std::string& designFile, const LossOptions& losses) {
    CalcRun run;
    CStartup start(dataRoot, {kPfcSmallBuffer, kPfcSmallBuffer, kPfcCoreBuffer});
    if (auto failure = start.LoadWireTable()) return Stop(run, failure->message.text);
    // This tool's sentence ends with a full stop.
    if (start.ReadDesign(PfcDesignFile(), designFile, run.input))
        return Stop(run, Phrase("Не удалось прочитать файл \"{1}\".", {designFile}));
    if (run.input.mater.empty()) run.input.mater = kDefaultMaterial;
    if (auto failure = start.ListMaterialFiles()) return Stop(run, failure->Line());
    if (auto failure = start.ChooseMaterial(run.input.mater)) return Stop(run, failure->Line());
    const MaterialChoice& choice = start.choice();
    const std::string material = cli::MaterialWarning(start.materials(), run.input.mater, choice.index);
    if (!material.empty()) run.warnings.push_back(material);
    // The combo box shows the entry; the next form -> fields takes that text.
    if (choice.index >= 0 && choice.index < static_cast<int>(start.materials().size()))
        run.input.mater = start.materials()[choice.index];
    run.material = start.material().name;

    run.messages = start.LoadCores(false);
    if (start.SelectCore(run.input.core, run.core)) {
        run.status = CalcRun::Status::CoreNotListed;
        run.error = Phrase("Сердечник \"{1}\" отсутствует в списке сердечников своей формы.", {run.input.core});
        return run;
    }
    if (run.input.core.empty()) run.warnings.push_back(cli::EmptyCoreWarning(start.cores().shape, run.core.name));
    run.input.core = run.core.name;
    const CoreRecord selected = run.core;
    run.result = CalculateChoke(run.input, run.core, start.material(), start.wires());
    run.input = run.result.input;
    run.core = run.result.core;
    run.messages.insert(run.messages.end(), run.result.messages.begin(), run.result.messages.end());
    run.materialData = start.material();
    run.wires = start.wires();
    const AdviceAnalysis setup = LoadAdviceAnalysis(dataRoot, losses);
    run.geometry = setup.GeometryFor(selected);
    run.analysis = AnalyseChokeDesign(run.result, start.material(), start.wires(), run.geometry, losses);
    run.status = CalcRun::Status::Calculated;
    return run;
}

}  // namespace fb
