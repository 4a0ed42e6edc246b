#include "flyback/design/flybackanalysis.h"

#include "common/analysis/losschecks.h"
#include "flyback/design/flybackchecks.h"
#include "flyback/design/flybacklosses.h"

namespace fb {

DesignAnalysis AnalyseFlybackDesign(const FlybackOutcome& outcome, const CoreRecord& core, const CMaterial& material,
                                    const CWireTable& wires, const CoreGeometry& geometry, const LossOptions& options,
                                    double capacitance) {
    DesignAnalysis a;
    a.losses = AnalyseFlyback(outcome, wires, geometry, options);
    if (!outcome.computed) {
        a.checks = CheckFlyback(outcome, core, material, FlybackExtra{});
        return a;
    }
    const FlybackExtra extra = FlybackFigures(outcome, core, wires, capacitance);
    a.checks = CheckFlyback(outcome, core, material, extra);
    a.figures = extra.ToFigures();
    AddLossChecks(a.losses, a.checks);
    return a;
}

}  // namespace fb
