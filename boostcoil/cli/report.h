#pragma once
// The two outputs of boostcoil-calc: one JSON object, or a report laid out like the window.
#include <string>

#include "boostcoil/cli/calcrun.h"

namespace fb {

std::string JsonReport(const CalcRun& run);
std::string TextReport(const CalcRun& run);

}  // namespace fb
