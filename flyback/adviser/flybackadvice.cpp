#include "flyback/adviser/flybackadvice.h"

#include <cmath>

#include "common/data/english.h"
#include "common/data/numbers.h"
#include "common/data/textfile.h"
#include "flyback/design/flybackanalysis.h"

namespace fb {
namespace {

void TakeDesign(const FlybackOutcome& out, const CoreRecord& core, Candidate& c) {
    c.volume = core.Ve;
    c.gapText = out.input.zazor;
    c.results = out.results;
    c.messages = out.messages;
    if (!out.computed) return;
    const FlybackResult& r = out.result;
    c.turns = r.Np;
    c.gap = TextToDouble(out.input.zazor);
    c.flux = r.Bpk;
    c.coreLoss = r.Pcore;
    c.fill = r.Kfill;
}

}  // namespace

FlybackInput FlybackCandidateInput(const FlybackInput& form, const std::string& core, const std::string& material) {
    FlybackInput in = form;
    in.core = core;
    in.mater = material;
    if (in.yes_al != 0) in.zazor = "0";
    in.yes_al = 0;
    return in;
}

Candidate FlybackCandidate(const FlybackInput& form, const CoreRecord& core, const CMaterial& material,
                           const CWireTable& wires, const AdviceAnalysis& analysis) {
    CWireTable ownWires = wires;
    const FlybackOutcome out =
        DesignFlyback(FlybackCandidateInput(form, core.name, material.name), core, material, ownWires);
    Candidate c;
    c.core = core.name;
    c.material = material.name;
    c.shape = core.shape;
    TakeDesign(out, core, c);
    const CoreGeometry geometry = analysis.GeometryFor(core);
    TakeAnalysis(AnalyseFlybackDesign(out, core, material, ownWires, geometry, analysis.options, analysis.capacitance),
                 geometry, c);
    return c;
}

Evaluator FlybackEvaluator(FlybackInput form, CWireTable wires, AdviceAnalysis analysis) {
    return [form = std::move(form), wires = std::move(wires), analysis = std::move(analysis)](
               const CoreRecord& core, const CMaterial& material) {
        return FlybackCandidate(form, core, material, wires, analysis);
    };
}

SweepRun SweepFlybackFile(const std::string& dataRoot, const std::string& file, const std::string& usense,
                          const SweepOptions& options, const LossOptions& losses, double capacitance) {
    SweepRun run;
    CWireTable wires;
    if (!wires.Load(dataRoot, kBigBuffer)) {
        const std::string text = CWireTable::MissingFileMessage(dataRoot).text;
        run.error = text.substr(0, text.find('\n'));
        return run;
    }
    FlybackInput form;
    if (!FlybackDesignFile().Read(file, form)) {
        run.error = Phrase("Не удалось прочитать файл \"{1}\"", {file});
        return run;
    }
    form.Usense = usense;
    AdviceAnalysis analysis = LoadAdviceAnalysis(dataRoot, losses);
    analysis.capacitance = capacitance;
    return SweepCatalogueOf(dataRoot, kBigBuffer, kBigBuffer, FlybackEvaluator(form, wires, std::move(analysis)),
                            options);
}

}  // namespace fb
