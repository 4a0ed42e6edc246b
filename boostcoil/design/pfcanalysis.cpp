#include "boostcoil/design/pfcanalysis.h"

#include "boostcoil/design/pfcchecks.h"
#include "boostcoil/design/pfclosses.h"
#include "common/analysis/losschecks.h"

namespace fb {

DesignAnalysis AnalyseChokeDesign(const PfcResult& result, const CMaterial& material, const CWireTable& wires,
                                  const CoreGeometry& geometry, const LossOptions& options) {
    DesignAnalysis a;
    a.losses = AnalyseChoke(result, wires, geometry, options);
    if (!result.calculated) {
        a.checks = CheckPfc(result, material, PfcExtra{});
        return a;
    }
    const PfcExtra extra = PfcFigures(result, wires);
    a.checks = CheckPfc(result, material, extra);
    a.figures = extra.ToFigures();
    AddLossChecks(a.losses, a.checks);
    return a;
}

}  // namespace fb
