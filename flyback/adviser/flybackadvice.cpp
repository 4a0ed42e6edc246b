#include "flyback/adviser/flybackadvice.h"

#include "common/adviser/programadvice.h"
#include "common/data/english.h"
#include "common/data/numbers.h"
#include "common/data/textfile.h"
#include "flyback/design/flybackanalysis.h"

namespace fb {
namespace {

Candidate FlybackCandidate(const FlybackInput& form, const CoreRecord& core, const CMaterial& material,
                           const CWireTable& wires, const AdviceAnalysis& analysis) {
    CWireTable ownWires = wires;
    const FlybackOutcome out =
        DesignFlyback(GapModeCandidateInput(form, core.name, material.name), core, material, ownWires);
    Candidate c = DesignedCandidate(core, material, out.input, out.results, out.messages);
    if (out.computed) {
        c.turns = out.result.Np;
        c.gap = TextToDouble(out.input.zazor);
        c.flux = out.result.Bpk;
        c.coreLoss = out.result.Pcore;
        c.fill = out.result.Kfill;
    }
    const CoreGeometry geometry = analysis.GeometryFor(core);
    TakeAnalysis(AnalyseFlybackDesign(out, core, material, ownWires, geometry, analysis.options, analysis.capacitance),
                 geometry, c);
    return c;
}

}  // namespace

Evaluator FlybackEvaluator(FlybackInput form, CWireTable wires, AdviceAnalysis analysis) {
    return EvaluatorOf(std::move(form), std::move(wires), std::move(analysis), FlybackCandidate);
}

SweepRun SweepFlybackFile(const std::string& dataRoot, const std::string& file, const std::string& usense,
                          const SweepOptions& options, const LossOptions& losses, double capacitance) {
    SweepRun run;
    CWireTable wires;
    FlybackInput form;
    if (!LoadSweepInputs(
            dataRoot, kBigBuffer, wires, [&] { return FlybackDesignFile().Read(file, form); },
            Phrase("Не удалось прочитать файл \"{1}\"", {file}), run))
        return run;
    form.Usense = usense;
    AdviceAnalysis analysis = LoadAdviceAnalysis(dataRoot, losses);
    analysis.capacitance = capacitance;
    return SweepCatalogueOf(dataRoot, kBigBuffer, kBigBuffer, FlybackEvaluator(form, wires, std::move(analysis)),
                            options);
}

}  // namespace fb
