#pragma once
// What the flyback window does after loading a design file, without the window: the data
// files, the design file, the material and core as at start-up, one design and the clamper
// window's opening calculations, then the whole analysis of the design. Writes no file.
#include <string>

#include "common/analysis/designanalysis.h"
#include "common/data/corebase.h"
#include "common/data/message.h"
#include "flyback/clamper/clamper.h"
#include "flyback/design/flyback.h"

namespace fb {

struct CalcOptions {
    std::string dataRoot;  // with or without trailing '/'
    std::string usense = "1";
    std::string file;
    LossOptions losses;
    double capacitance = 0;  // µF of the bulk capacitor for the DC-bus figures; 0: the method's
};

enum class CalcStatus {
    Done,          // the design ran
    CannotStart,   // a missing data file or an unreadable design file; `error` says which
    CoreNotFound,  // the design file's core is not in its shape's list: nothing ran
};

struct CalcRun {
    CalcStatus status = CalcStatus::CannotStart;
    std::string error;  // one line, for CannotStart and CoreNotFound

    std::string materialLoaded;  // the material whose data are in use ("" when none loaded)
    CoreRecord core;             // the selected core (Done only)
    FlybackOutcome outcome;      // the design, including the inputs as they stand after it
    Messages messages;           // start-up warnings, then the design's, in the order shown

    CMaterial material;  // the data the design ran with, and its wire table after it
    CWireTable wires;

    ClamperInput clamperIn;  // the clamper window's fields after its opening calculations
    ClamperResult clamperOut;

    CoreGeometry geometry;    // the one the analysis used
    DesignAnalysis analysis;  // checks, figures and losses of the design (Done only)
    // What the window would have done quietly: a stand-in core or material, a clamper result
    // that is not a number.
    std::vector<std::string> warnings;
};

CalcRun RunFlybackCalc(const CalcOptions& options);

// The clamper window's fields as the main window hands them over after a design.
ClamperInput ClamperInputFor(const FlybackOutcome& outcome);

}  // namespace fb
