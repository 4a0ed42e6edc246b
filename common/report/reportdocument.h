#pragma once
// The design report: ReportData laid out as an A4 Russian document (HTML for QTextDocument),
// written as HTML or PDF by the file's extension, printed through the print dialog, or put
// on the clipboard as text. Works on the offscreen platform for the command-line tools.
#include <QString>
#include <string>

#include "common/report/reportdata.h"

QT_BEGIN_NAMESPACE
class QPagedPaintDevice;
class QTextDocument;
class QWidget;
QT_END_NAMESPACE

namespace fb::report {

// The plots need a QApplication (Qt Charts draws with widgets). When the process has no
// application object this creates one that lives to the end of the process, on the
// offscreen platform unless QT_QPA_PLATFORM says otherwise; false when an application
// object exists but is not a QApplication (a bare QGuiApplication or QCoreApplication).
bool EnsureReportApplication();

// The report as HTML. With `embedded` the pictures are inside the text (data: addresses,
// for a standalone .html file); otherwise they are named resources of a QTextDocument.
QString ReportHtml(const ReportData& data, bool embedded);

// Fills `doc` with the report: A4 pages in points, pictures added as its resources.
void BuildReportDocument(const ReportData& data, QTextDocument& doc);

// ".pdf" → PDF (Qt's own writer, A4, selectable text); ".html"/".htm" → one standalone HTML
// file. The file is replaced whole or left as it was. False with a Russian reason in `error`.
bool WriteReport(const ReportData& data, const std::string& path, std::string* error);

// Prints onto a printer or PDF writer already set up (page size, resolution).
void PrintReport(const ReportData& data, QPagedPaintDevice& device);
// The system's print dialog, then printing; false when the user cancels.
bool PrintReportWithDialog(const ReportData& data, QWidget* parent);

// The "Copy" command: ReportPlainText on the clipboard.
void CopyReportText(const ReportData& data);

}  // namespace fb::report
