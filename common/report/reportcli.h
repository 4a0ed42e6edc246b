#pragma once
// `--report FILE` of the command-line tools: WriteReport when the tool links the report library,
// otherwise (a build without Qt, FB_NO_REPORT) a clear refusal. Inline: the definition is the
// including executable's.
#include <string>

#include "common/data/english.h"
#include "common/report/reportdata.h"
#ifndef FB_NO_REPORT
#include "common/report/reportdocument.h"
#endif

namespace fb {

inline bool WriteCliReport(const ReportData& data, const std::string& path, std::string* error) {
#ifdef FB_NO_REPORT
    (void)data, (void)path;
    if (error) *error = Localized("Отчет недоступен: программа собрана без Qt.");
    return false;
#else
    return report::WriteReport(data, path, error);
#endif
}

}  // namespace fb
