#pragma once
// The design checks and the additional figures of a flyback run: reads what DesignFlyback
// produced and hands plain numbers to the shared rules of common/analysis.
#include "common/analysis/checksfigures.h"
#include "common/analysis/designchecks.h"
#include "flyback/design/flyback.h"

namespace fb {

// Figures beside the method's: the bus from the mains with a real bulk capacitor, and the
// current-limit trip point the sense resistor sets.
struct FlybackExtra {
    bool ac = false;           // mains input (else the bus values are the DC input's Umin, Umax)
    double C = 0;              // µF, bulk capacitor the bus figures assume
    double busMinValley = 0;   // V, lowest bus at the lowest line voltage
    double busMinMethod = 0;   // V, the method's 1.35·Umin
    double busMaxPeak = 0;     // V, crest at the highest line voltage
    double busMaxMethod = 0;   // V, the method's 1.35·Umax
    double Itrip = 0;          // A, Usense/Rsense
    double Btrip = 0;          // T, peak flux at the trip current
    double headroomPct = 0;    // %, trip current over the full-load peak current
    double insulatedFill = 0;  // window fill counted with the insulated wire diameters
    Figures ToFigures() const;
};

// capacitance in µF; 0 takes the input capacitor the method recommends.
FlybackExtra FlybackFigures(const FlybackOutcome& out, const CoreRecord& core, const CWireTable& wires,
                            double capacitance = 0);

Checks CheckFlyback(const FlybackOutcome& out, const CoreRecord& core, const CMaterial& material,
                    const CWireTable& wires, double capacitance = 0);
// The same with the figures already computed (FlybackFigures of the same outcome).
Checks CheckFlyback(const FlybackOutcome& out, const CoreRecord& core, const CMaterial& material,
                    const FlybackExtra& extra);

}  // namespace fb
