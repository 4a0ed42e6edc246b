#pragma once
// `--sweep FILE` without the CLI: the data files and the design file read as a single design
// reads them, then the sweep of the file's requirements over the whole catalogue.
#include <string>

#include "common/adviser/sweep.h"

namespace fb {

struct SweepRun {
    bool ok = false;
    std::string error;  // one line when !ok
    SweepResult sweep;
};

// The steps both programs share: the catalogue and materials of dataRoot with the program's
// buffer limits, then the sweep with the evaluator `make` builds; `error` is set and no sweep
// runs when a data folder is empty.
SweepRun SweepCatalogueOf(const std::string& dataRoot, std::size_t coreBuffer, std::size_t materialBuffer,
                          const Evaluator& evaluate, const SweepOptions& options);

}  // namespace fb
