#pragma once
// What the adviser runs on each candidate beyond its design: the program's whole analysis of
// the design (design checks, loss checks, losses) with the core's geometry, read once for the
// whole sweep and shared read-only by the worker threads.
#include <memory>
#include <string>

#include "common/adviser/candidate.h"
#include "common/analysis/designanalysis.h"
#include "common/data/corebase.h"
#include "common/data/coregeometry.h"

namespace fb {

struct AdviceAnalysis {
    std::shared_ptr<const CCoreGeometry> geometry;  // null: every core's geometry is estimated
    LossOptions options;
    double capacitance = 0;  // flyback: bulk capacitor for the checks, µF; 0 takes the method's

    // The catalogue's or the user's geometry of the core, else the estimate from its record.
    CoreGeometry GeometryFor(const CoreRecord& core) const;
};

// The geometry files of dataRoot (shipped and user) with the loss options given.
AdviceAnalysis LoadAdviceAnalysis(const std::string& dataRoot, const LossOptions& options = {});

// The analysis's checks and numbers into the candidate (copper loss, temperature rise, build
// fill when the analysis is valid; the mass of the geometry), then FinishCandidate.
void TakeAnalysis(const DesignAnalysis& analysis, const CoreGeometry& geometry, Candidate& c);

}  // namespace fb
