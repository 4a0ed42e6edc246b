#include "boostcoil/adviser/pfcadvice.h"

#include <cmath>

#include "common/adviser/enginechecks.h"
#include "boostcoil/design/pfckeys.h"
#include "common/data/numbers.h"
#include "common/data/textfile.h"

namespace fb {
namespace {

// The engine shows no flux or window warning of its own; the flyback design's two rules (peak
// flux above the permitted one by 0.0005 T or more, copper fill of the window above 0.3) serve
// until the design checks are plugged in.
std::vector<CandidateCheck> InterimChecks(const PfcResult& r) {
    EngineVerdict v;
    v.computed = r.calculated;
    if (!r.calculated) {
        v.stopText = r.messages.empty() ? std::string() : r.messages.back().text;
        return EngineChecks(v);
    }
    v.finite = std::isfinite(r.Pcore) && std::isfinite(r.Bpk) && std::isfinite(r.Blim) && std::isfinite(r.N) &&
               std::isfinite(r.Kfill) && std::isfinite(r.gap_req);
    v.gapFound = r.passes < kPfcMaxPasses;
    v.Bpk = r.Bpk;
    v.Blim = r.Blim;
    v.fluxOver = r.Blim + 0.0005 < r.Bpk;
    v.Kfill = r.Kfill;
    v.windowOver = r.Kfill > 0.3;
    return EngineChecks(v);
}

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
                       const CWireTable& wires, const PfcAdviceHooks& hooks) {
    const PfcResult r = CalculateChoke(PfcCandidateInput(form, core.name, material.name), core, material, wires);
    Candidate c;
    c.core = core.name;
    c.material = material.name;
    c.shape = core.shape;
    TakeDesign(r, core, c);
    // Hook: the design checks (their errors make the candidate one that does not work).
    c.checks = hooks.checks && r.calculated ? hooks.checks(r, core, material) : InterimChecks(r);
    // Hook: the losses analysis (copper loss, temperature rise, build fill, mass).
    const CandidateLosses losses = hooks.losses && r.calculated ? hooks.losses(r, core, material) : CandidateLosses{};
    FinishCandidate(c, losses);
    return c;
}

Evaluator PfcEvaluator(PfcInput form, CWireTable wires, PfcAdviceHooks hooks) {
    return [form = std::move(form), wires = std::move(wires), hooks = std::move(hooks)](
               const CoreRecord& core, const CMaterial& material) {
        return PfcCandidate(form, core, material, wires, hooks);
    };
}

SweepRun SweepPfcFile(const std::string& dataRoot, const std::string& file, const SweepOptions& options,
                      const PfcAdviceHooks& hooks) {
    SweepRun run;
    CWireTable wires;
    if (!wires.Load(dataRoot, kPfcSmallBuffer)) {
        const std::string text = CWireTable::MissingFileMessage(dataRoot).text;
        run.error = text.substr(0, text.find('\n'));
        return run;
    }
    PfcInput form;
    if (!PfcDesignFile().Read(file, form)) {
        run.error = "Не удалось прочитать файл \"" + file + "\".";
        return run;
    }
    return SweepCatalogueOf(dataRoot, kPfcCoreBuffer, kPfcSmallBuffer, PfcEvaluator(form, wires, hooks), options);
}

}  // namespace fb
