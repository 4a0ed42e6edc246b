#pragma once
// Rows of the report that both programs fill alike: the core and material data, and the
// method's messages. Plain C++.
#include <vector>

#include "common/data/corebase.h"
#include "common/data/material.h"
#include "common/data/message.h"
#include "common/report/reportdata.h"

namespace fb {

// Name, Ae, An, le, Ve, mu and, when the core has one, its AL law.
std::vector<ReportRow> CoreRows(const CoreRecord& core);
// Name, Bmax, Bmmax, mu and the frequency span of the loss table.
std::vector<ReportRow> MaterialRows(const CMaterial& material);
// The texts of the method's message boxes, in the order shown, in the chosen language.
std::vector<std::string> MessageTexts(const Messages& messages);
// A row in the chosen language: the caption and the unit whole, a value composed at run time
// ("58 витков, провод 0.28 x 1") by its runs; Russian rows stay as they are. A caption shown
// without its unit ("Частота преобразования") may name the whole caption it was cut from
// ("Частота преобразования, кГц"), whose English loses its unit the same way.
ReportRow LocalizedRow(ReportRow row, const std::string& wholeCaption = "");

}  // namespace fb
