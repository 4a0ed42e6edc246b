#pragma once
// What both programs' adviser evaluators do alike around their own design: the candidate's
// form, its names and the single design's texts, the evaluator and the sweep of a design file.
#include <map>
#include <string>
#include <utility>

#include "common/adviser/adviceanalysis.h"
#include "common/adviser/sweep.h"
#include "common/adviser/sweepfile.h"
#include "common/data/wiretable.h"

namespace fb {

// The single design of a candidate: the form with the core and material names replaced, gap
// mode, starting from the form's gap (from 0 when the form holds an AL: an AL belongs to the
// core it was typed for).
template <class Input>
Input GapModeCandidateInput(const Input& form, const std::string& core, const std::string& material) {
    Input in = form;
    in.core = core;
    in.mater = material;
    if (in.yes_al != 0) in.zazor = "0";
    in.yes_al = 0;
    return in;
}

// A candidate named for its pair with what every design leaves, done or not: the gap text,
// the texts and messages, and the core's volume (until the design gives its own).
template <class Input>
Candidate DesignedCandidate(const CoreRecord& core, const CMaterial& material, const Input& after,
                            const std::map<int, std::string>& results, const Messages& messages) {
    Candidate c;
    c.core = core.name;
    c.material = material.name;
    c.shape = core.shape;
    c.volume = core.Ve;
    c.gapText = after.zazor;
    c.results = results;
    c.messages = messages;
    return c;
}

// An evaluator for RunSweep holding its own copies of the form, the wire table and the analysis
// settings (the geometry is shared, read-only); `candidate` designs one pair from them.
template <class Input, class Design>
Evaluator EvaluatorOf(Input form, CWireTable wires, AdviceAnalysis analysis, Design candidate) {
    return [form = std::move(form), wires = std::move(wires), analysis = std::move(analysis), candidate](
               const CoreRecord& core, const CMaterial& material) {
        return candidate(form, core, material, wires, analysis);
    };
}

// The wire table of dataRoot as the program's single design reads it; false with the first
// line of the missing-file message in run.error.
bool LoadSweepWires(const std::string& dataRoot, std::size_t buffer, CWireTable& wires, SweepRun& run);

// The wire table, then the design file by `read`; false with run.error set, `unreadable` when
// the design file could not be read.
template <class Read>
bool LoadSweepInputs(const std::string& dataRoot, std::size_t wireBuffer, CWireTable& wires, Read read,
                     const std::string& unreadable, SweepRun& run) {
    if (!LoadSweepWires(dataRoot, wireBuffer, wires, run)) return false;
    if (read()) return true;
    run.error = unreadable;
    return false;
}

}  // namespace fb
