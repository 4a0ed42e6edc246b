#include "boostcoil/adviser/pfcadvice.h"

#include "boostcoil/design/pfcanalysis.h"
#include "boostcoil/design/pfckeys.h"
#include "common/adviser/programadvice.h"
#include "common/data/english.h"
#include "common/data/numbers.h"
#include "common/data/textfile.h"

namespace fb {
namespace {

Candidate PfcCandidate(const PfcInput& form, const CoreRecord& core, const CMaterial& material, const CWireTable& wires,
                       const AdviceAnalysis& analysis) {
    const PfcResult r = CalculateChoke(GapModeCandidateInput(form, core.name, material.name), core, material, wires);
    Candidate c = DesignedCandidate(core, material, r.input, r.texts, r.messages);
    if (r.calculated) {
        c.volume = r.Ve;
        c.turns = r.N;
        c.gap = TextToDouble(r.input.zazor);
        c.flux = r.Bpk;
        c.coreLoss = r.Pcore;
        c.fill = r.Kfill;
    }
    const CoreGeometry geometry = analysis.GeometryFor(core);
    TakeAnalysis(AnalyseChokeDesign(r, material, wires, geometry, analysis.options), geometry, c);
    return c;
}

}  // namespace

Evaluator PfcEvaluator(PfcInput form, CWireTable wires, AdviceAnalysis analysis) {
    return EvaluatorOf(std::move(form), std::move(wires), std::move(analysis), PfcCandidate);
}

SweepRun SweepPfcFile(const std::string& dataRoot, const std::string& file, const SweepOptions& options,
                      const LossOptions& losses) {
    SweepRun run;
    CWireTable wires;
    PfcInput form;
    if (!LoadSweepInputs(
            dataRoot, kPfcSmallBuffer, wires, [&] { return PfcDesignFile().Read(file, form); },
            Phrase("Не удалось прочитать файл \"{1}\".", {file}), run))
        return run;
    return SweepCatalogueOf(dataRoot, kPfcCoreBuffer, kPfcSmallBuffer,
                            PfcEvaluator(form, wires, LoadAdviceAnalysis(dataRoot, losses)), options);
}

}  // namespace fb
