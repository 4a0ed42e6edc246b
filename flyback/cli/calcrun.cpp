#include "flyback/cli/calcrun.h"

#include "common/adviser/adviceanalysis.h"
#include "common/cli/calctool.h"
#include "common/cli/designinput.h"
#include "common/data/english.h"
#include "common/files/startup.h"
#include "flyback/design/clamperopening.h"
#include "flyback/design/flybackanalysis.h"

namespace fb {
namespace {

// The clamper has no guard of its own: results that are not valid (ResultValid) get the one
// reason the "fields" give for them, naming the results.
std::string ClamperFiniteWarning(const ClamperInput& in, const ClamperResult& out) {
    std::string names;
    for (const auto& [id, text] : ClamperResultTexts(in, out)) {
        if (ResultValid(text)) continue;
        std::string caption = id == clamperid::FirstResult ? ModeLabels(in.reverse).label : "";
        for (const ResultField& f : ClamperResultFields())
            if (f.id == id && caption.empty()) caption = f.caption;
        names += (names.empty() ? "" : ", ") + LocalizedRuns(caption);
    }
    if (names.empty()) return "";
    return Phrase("Расчет RCD клампера ({1}): {2}; проверьте его исходные данные.",
                  {names, Localized(cli::kNotFiniteWhy)});
}

}  // namespace

ClamperInput ClamperInputFor(const FlybackOutcome& outcome) {
    return ClamperOpening(outcome.input, [&outcome](int id) {
        const std::map<int, std::string>& texts = id == ctl::kLpUnit ? outcome.labels : outcome.results;
        const auto it = texts.find(id);
        return it == texts.end() ? std::string() : it->second;
    });
}

CalcRun RunFlybackCalc(const CalcOptions& options) {
    CalcRun run;
    CStartup start(options.dataRoot, {kBigBuffer, kBigBuffer, kBigBuffer});
    auto stop = [&run](const StartupFailure& failure) {
        run.error = failure.Line();
        return run;
    };
    if (auto failure = start.LoadWireTable()) return stop(*failure);
    FlybackInput in;
    if (auto failure = start.ReadDesign(FlybackDesignFile(), options.file, in)) return stop(*failure);
    if (in.mater.empty()) in.mater = kDefaultMaterial;
    in.Usense = options.usense;
    if (auto failure = start.ListMaterialFiles()) return stop(*failure);
    // A material file that could not be read at all stops the tool: it has no data to design with.
    if (auto failure = start.ChooseMaterial(in.mater)) return stop(*failure);
    const std::string material = cli::MaterialWarning(start.materials(), in.mater, start.choice().index);
    if (!material.empty()) run.warnings.push_back(material);
    if (start.materialComplete()) run.materialLoaded = start.material().name;
    // The combo box shows the selected entry, and the design reads the form.
    if (start.choice().index >= 0) in.mater = start.materials()[start.choice().index];

    run.messages = start.LoadCores(false);
    run.outcome.input = in;
    if (auto failure = start.SelectCore(in.core, run.core)) {
        run.status = CalcStatus::CoreNotFound;
        run.error = failure->Line();
        return run;
    }
    if (in.core.empty()) run.warnings.push_back(cli::EmptyCoreWarning(start.cores().shape, start.cores().currentName));
    in.core = start.cores().currentName;

    run.outcome = DesignFlyback(in, run.core, start.material(), start.wires());
    run.messages.insert(run.messages.end(), run.outcome.messages.begin(), run.outcome.messages.end());
    run.material = start.material();
    run.wires = start.wires();

    // The clamper window as it opens on this design: the estimate, then the direct calculation.
    run.clamperIn = ClamperInputFor(run.outcome);
    EstimateLeakage(run.clamperIn, run.clamperOut);
    CalculateClamper(run.clamperIn, run.clamperOut);
    const std::string clamper = ClamperFiniteWarning(run.clamperIn, run.clamperOut);
    if (!clamper.empty()) run.warnings.push_back(clamper);

    AdviceAnalysis setup = LoadAdviceAnalysis(options.dataRoot, options.losses);
    run.geometry = setup.GeometryFor(run.core);
    run.analysis = AnalyseFlybackDesign(run.outcome, run.core, start.material(), start.wires(), run.geometry,
                                        options.losses, options.capacitance);
    run.status = CalcStatus::Done;
    return run;
}

}  // namespace fb
