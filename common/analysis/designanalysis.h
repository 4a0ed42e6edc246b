#pragma once
// Everything this system adds to a finished design of either program, in one piece: the design
// checks with the loss checks, the additional figures and the winding and loss analysis. The
// CLIs, the windows and the adviser all take it from the program's one function
// (AnalyseFlybackDesign, AnalyseChokeDesign), so they cannot disagree.
#include "common/analysis/checksfigures.h"
#include "common/analysis/designchecks.h"
#include "common/analysis/lossanalysis.h"

namespace fb {

struct DesignAnalysis {
    Checks checks;  // the design checks, then the loss checks (CheckLosses)
    Figures figures;
    LossAnalysis losses;
};

}  // namespace fb
