#include "flyback/adviser/flybackadvice.h"

#include <cmath>

#include "common/adviser/enginechecks.h"
#include "common/data/numbers.h"
#include "common/data/textfile.h"

namespace fb {
namespace {

// The engine's own view of the design until the design checks are plugged in.
std::vector<CandidateCheck> InterimChecks(const FlybackOutcome& out) {
    EngineVerdict v;
    v.computed = out.computed;
    if (!out.computed) {
        v.stopText = out.messages.empty() ? std::string() : out.messages.back().text;
        return EngineChecks(v);
    }
    const FlybackResult& r = out.result;
    v.finite = std::isfinite(r.Pcore) && std::isfinite(r.Bpk) && std::isfinite(r.Np) && std::isfinite(r.Kfill);
    v.Bpk = r.Bpk;
    v.Blim = r.Blim;
    v.fluxOver = FluxWarning(r.Blim, r.Bpk);
    v.Kfill = r.Kfill;
    v.windowOver = WindowWarning(r.Kfill);
    return EngineChecks(v);
}

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
                           const CWireTable& wires, const FlybackAdviceHooks& hooks) {
    CWireTable ownWires = wires;
    const FlybackOutcome out =
        DesignFlyback(FlybackCandidateInput(form, core.name, material.name), core, material, ownWires);
    Candidate c;
    c.core = core.name;
    c.material = material.name;
    c.shape = core.shape;
    TakeDesign(out, core, c);
    // Hook: the design checks (their errors make the candidate one that does not work).
    c.checks = hooks.checks && out.computed ? hooks.checks(out, core, material) : InterimChecks(out);
    // Hook: the losses analysis (copper loss, temperature rise, build fill, mass).
    const CandidateLosses losses = hooks.losses && out.computed ? hooks.losses(out, core, material) : CandidateLosses{};
    FinishCandidate(c, losses);
    return c;
}

Evaluator FlybackEvaluator(FlybackInput form, CWireTable wires, FlybackAdviceHooks hooks) {
    return [form = std::move(form), wires = std::move(wires), hooks = std::move(hooks)](
               const CoreRecord& core, const CMaterial& material) {
        return FlybackCandidate(form, core, material, wires, hooks);
    };
}

SweepRun SweepFlybackFile(const std::string& dataRoot, const std::string& file, const std::string& usense,
                          const SweepOptions& options, const FlybackAdviceHooks& hooks) {
    SweepRun run;
    CWireTable wires;
    if (!wires.Load(dataRoot, kBigBuffer)) {
        const std::string text = CWireTable::MissingFileMessage(dataRoot).text;
        run.error = text.substr(0, text.find('\n'));
        return run;
    }
    FlybackInput form;
    if (!FlybackDesignFile().Read(file, form)) {
        run.error = "Не удалось прочитать файл \"" + file + "\"";
        return run;
    }
    form.Usense = usense;
    return SweepCatalogueOf(dataRoot, kBigBuffer, kBigBuffer, FlybackEvaluator(form, wires, hooks), options);
}

}  // namespace fb
