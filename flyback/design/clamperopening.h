#pragma once
// What the clamper window opens with on a design, alike in the window and in flyback-calc.
#include <functional>
#include <string>

#include "flyback/clamper/clamper.h"
#include "flyback/design/flyback.h"

namespace fb {

// The reflected voltage, the primary inductance with its unit and the peak current as `shown`
// gives them by control ID (the texts the form shows), and the clamper texts `stored` keeps.
ClamperInput ClamperOpening(const FlybackInput& stored, const std::function<std::string(int id)>& shown);

}  // namespace fb
