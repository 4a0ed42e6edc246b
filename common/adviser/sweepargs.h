#pragma once
// The command-line options of the sweep, shared by flyback-calc and boostcoil-calc:
// --sweep, --top N, --sort loss|temperature|volume|mass, --works-only.
#include <string>

#include "common/adviser/sweepoutput.h"

namespace fb {

struct SweepArgs {
    bool sweep = false;
    bool refinements = false;  // --top, --sort or --works-only was given
    SweepPrint print;
};

// Takes the option at argv[i] when it is one of the sweep's, advancing i past its value.
// Returns false when argv[i] is none of them. A missing or bad value sets `error`.
bool TakeSweepOption(int argc, char** argv, int& i, SweepArgs& args, std::string& error);

// After all options: the refinements make sense only with --sweep ("" when all is well).
std::string SweepArgsError(const SweepArgs& args);

}  // namespace fb
