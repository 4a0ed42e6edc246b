#include "boostcoil/adviser/pfcadvice.h"

#include <cmath>

#include "boostcoil/design/pfcanalysis.h"
#include "boostcoil/design/pfckeys.h"
#include "common/data/english.h"
#include "common/data/numbers.h"
#include "common/data/textfile.h"

namespace fb {
namespace {

void TakeDesign(const PfcResult& r, const CoreRecord& core, Candidate& c) {
    c.volume = core.Ve;
    c.gapText = r.input.zazor;
    c.results = r.texts;
    c.messages = r.messages;
    if (!r.calculated) return;
    c.volume = r.Ve;
    c.turns = r.N;
    c.gap = TextToDouble(r.input.zazor);
    c.flux = r.Bpk;
    c.coreLoss = r.Pcore;
    c.fill = r.Kfill;
}

}  // namespace

PfcInput PfcCandidateInput(const PfcInput& form, const std::string& core, const std::string& material) {
    PfcInput in = form;
    in.core = core;
    in.mater = material;
    if (in.yes_al != 0) in.zazor = "0";
    in.yes_al = 0;
    return in;
}

Candidate PfcCandidate(const PfcInput& form, const CoreRecord& core, const CMaterial& material,
                       const CWireTable& wires, const AdviceAnalysis& analysis) {
    const PfcResult r = CalculateChoke(PfcCandidateInput(form, core.name, material.name), core, material, wires);
    Candidate c;
    c.core = core.name;
    c.material = material.name;
    c.shape = core.shape;
    TakeDesign(r, core, c);
    const CoreGeometry geometry = analysis.GeometryFor(core);
    TakeAnalysis(AnalyseChokeDesign(r, material, wires, geometry, analysis.options), geometry, c);
    return c;
}

Evaluator PfcEvaluator(PfcInput form, CWireTable wires, AdviceAnalysis analysis) {
    return [form = std::move(form), wires = std::move(wires), analysis = std::move(analysis)](
               const CoreRecord& core, const CMaterial& material) {
        return PfcCandidate(form, core, material, wires, analysis);
    };
}

SweepRun SweepPfcFile(const std::string& dataRoot, const std::string& file, const SweepOptions& options,
                      const LossOptions& losses) {
    SweepRun run;
    CWireTable wires;
    if (!wires.Load(dataRoot, kPfcSmallBuffer)) {
        const std::string text = CWireTable::MissingFileMessage(dataRoot).text;
        run.error = text.substr(0, text.find('\n'));
        return run;
    }
    PfcInput form;
    if (!PfcDesignFile().Read(file, form)) {
        run.error = Phrase("Не удалось прочитать файл \"{1}\".", {file});
        return run;
    }
    return SweepCatalogueOf(dataRoot, kPfcCoreBuffer, kPfcSmallBuffer,
                            PfcEvaluator(form, wires, LoadAdviceAnalysis(dataRoot, losses)), options);
}

}  // namespace fb
