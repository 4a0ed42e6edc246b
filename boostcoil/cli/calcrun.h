#pragma once
// What the Boostcoil window does after loading a design file, without the window: the data
// files, the design file, the material and core selection, one calculation, then the whole
// analysis of the design.
#include <string>
#include <vector>

#include "boostcoil/design/pfc.h"
#include "common/analysis/designanalysis.h"

namespace fb {

struct CalcRun {
    enum class Status { Calculated, CannotStart, CoreNotListed };
    Status status = Status::CannotStart;
    std::string error;     // one line, when it cannot start or the core is not listed
    PfcInput input;        // as the window holds it after the run
    CoreRecord core;       // the selected core as the form shows it
    std::string material;  // the name of the loaded material
    Messages messages;     // every message shown, in order (start-up and calculation)
    PfcResult result;
    CMaterial materialData;  // the data the design ran with, and its wire table after it
    CWireTable wires;
    CoreGeometry geometry;    // the one the analysis used
    DesignAnalysis analysis;  // checks, figures and losses (Calculated only)
    // What the window would have done quietly: a stand-in core or material.
    std::vector<std::string> warnings;
};

CalcRun RunDesignFile(const std::string& dataRoot, const std::string& designFile, const LossOptions& losses = {});

}  // namespace fb
