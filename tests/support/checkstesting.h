#pragma once
// What the design-check tests ask of a check list.
#include <string>

#include "common/analysis/designchecks.h"

namespace fb {

// Severity name of the first check with this rule id; "" when none fired.
inline std::string Fired(const Checks& c, const std::string& rule) {
    for (const Check& k : c)
        if (k.rule == rule) return SeverityName(k.severity);
    return "";
}

// The report lines, for a failure message.
inline std::string Listed(const Checks& c) {
    std::string s;
    for (const std::string& line : ChecksReportLines(c)) s += line + "\n";
    return s;
}

}  // namespace fb
