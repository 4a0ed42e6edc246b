#pragma once
// The adviser's sweep: every core of the catalogue (every shape's list, shipped and user cores)
// with every material, each pair handed to a program's evaluator on a pool of threads. The
// result keeps the sweep order whatever the scheduling, so a run is repeatable.
#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "common/adviser/candidate.h"
#include "common/data/corebase.h"
#include "common/data/material.h"

namespace fb {

// The pairs to try: cores in shape order and list order, materials in list order.
struct SweepCatalogue {
    std::vector<CoreRecord> cores;
    std::vector<CMaterial> materials;
    std::size_t Size() const { return cores.size() * materials.size(); }
};

// The cores of every shape's list, each as a single design of it would select it: a list entry
// is looked up the way a design file's core name is (its shape from the name, the first entry
// of that list beginning with it), so the candidate's data are those the single design uses.
// An entry no lookup selects, and a second entry resolving to a core already taken, are left out.
std::vector<CoreRecord> SweepCores(const CCoreBase& base);

// Every material of dataRoot that opens (a file lacking a limit is kept: the design's own
// guard then says what is missing).
std::vector<CMaterial> SweepMaterials(const std::string& dataRoot, std::size_t bufferSize);

// Both of the above from a data root; `coreBuffer`/`materialBuffer` are the program's limits.
SweepCatalogue LoadSweepCatalogue(const std::string& dataRoot, std::size_t coreBuffer, std::size_t materialBuffer);

// Designs one pair. Called from several threads at once: it must not change shared state.
using Evaluator = std::function<Candidate(const CoreRecord& core, const CMaterial& material)>;

struct SweepOptions {
    unsigned threads = 0;  // 0: every core of the machine
    // Called after each candidate, from the worker threads (one at a time), with the number
    // done and the total.
    std::function<void(std::size_t done, std::size_t total)> progress;
    const std::atomic<bool>* cancel = nullptr;  // set it to stop the sweep early
};

struct SweepResult {
    std::vector<Candidate> candidates;  // in sweep order; only those evaluated when cancelled
    bool cancelled = false;
    std::size_t total = 0;  // pairs in the catalogue
};

SweepResult RunSweep(const SweepCatalogue& catalogue, const Evaluator& evaluate, const SweepOptions& options = {});

// The whole sweep as one job for a worker thread: the cores of a copy of the window's core base
// (user cores included, as it holds them), the materials of dataRoot read by the job itself.
std::function<SweepResult(const SweepOptions&)> SweepJobFor(CCoreBase base, std::string dataRoot,
                                                            std::size_t materialBuffer, Evaluator evaluate);

}  // namespace fb
