#pragma once
// The options of the winding and loss analysis, kept in a file of their own beside a program's
// settings ("Flyback.analysis.cfg", "Boostcoil.analysis.cfg"), so the settings and design files
// stay as they are. ASCII "key = value" lines with locale-free numbers; the keys are those of
// the "options" object of the analysis JSON.
#include <string>
#include <string_view>
#include <vector>

#include "common/analysis/lossanalysis.h"
#include "common/data/textfile.h"

namespace fb {

// Every line of the options, in a fixed order, CR LF after each.
std::string LossOptionsText(const LossOptions& options);

// Reads the keys `text` holds into `options`; a key whose value is no number of its kind or
// lies outside the range CheckLossOptions allows keeps its value and gives one message (its
// line and what was kept). Unknown keys, blank lines and "#" comments are passed over.
std::vector<std::string> ParseLossOptions(std::string_view text, LossOptions& options);

// The file's options over `options`; a missing file leaves them as they are without a word,
// one that cannot be read gives one message. Messages begin with the file's name.
std::vector<std::string> ReadLossOptionsFile(const std::string& path, LossOptions& options);
// Through the crash-safe writer: a failure leaves the old file whole.
WriteResult WriteLossOptionsFile(const std::string& path, const LossOptions& options);

}  // namespace fb
