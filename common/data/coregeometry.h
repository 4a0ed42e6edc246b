#pragma once
// What the core record does not hold but a winding build-up, copper loss and temperature need:
// the coil former, the mean turn, the outer surface and the mass of one assembled core set.
#include <string>

namespace fb {

struct CoreGeometry {
    double bobbinWidth = 0;   // winding width of the coil former along the leg, mm
    double bobbinHeight = 0;  // build height available on the coil former, mm
    double mlt = 0;           // mean length of one turn, mm
    double surface = 0;       // outer surface of the assembled core set, cm²
    double mass = 0;          // mass of the core set, g
    bool estimated = false;   // true when derived from Ae, An and le rather than read from data
};

}  // namespace fb
