// Writing, printing and copying the report.
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTextDocument>

#include "common/data/english.h"
#include "common/report/reportdocument.h"
#include "common/ui/language.h"

namespace fb::report {

bool EnsureReportApplication() {
    if (QCoreApplication* app = QCoreApplication::instance()) return qobject_cast<QApplication*>(app) != nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // QApplication keeps references to argc and argv for its whole life.
    static int argc = 1;
    static char name[] = "report";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    // A command-line tool run in English: the drawing's texts come from the programs'
    // translation beside it, as in the windows.
    static const bool translated =
        !EnglishTexts() || ui::InstallTranslations(*app, ui::Language::English, QCoreApplication::applicationDirPath());
    (void)translated;
    return app != nullptr;
}

void PrintReport(const ReportData& data, QPagedPaintDevice& device) {
    QTextDocument doc;
    BuildReportDocument(data, doc);
    doc.print(&device);
}

namespace {

bool Fail(std::string* error, const std::string& text) {
    if (error) *error = text;
    return false;
}

// "Не удалось создать файл {1}: {2}" and the like, with the file's name and the system's reason.
bool Fail(std::string* error, const char* russian, const QString& name, const QString& reason) {
    return Fail(error, Phrase(russian, {name.toStdString(), reason.toStdString()}));
}

bool WritePdf(const ReportData& data, QSaveFile& file) {
    QPdfWriter writer(&file);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setResolution(300);
    writer.setTitle(QString::fromStdString(data.title));
    writer.setCreator(QString::fromStdString(data.program + " " + data.version));
    PrintReport(data, writer);
    return true;
}

}  // namespace

bool WriteReport(const ReportData& data, const std::string& path, std::string* error) {
    const QString name = QString::fromStdString(path);
    const QString ext = QFileInfo(name).suffix().toLower();
    const bool pdf = ext == "pdf", html = ext == "html" || ext == "htm";
    if (!pdf && !html) return Fail(error, Localized("Неизвестный формат отчета: укажите файл .pdf или .html."));
    if (!EnsureReportApplication())
        return Fail(error, Localized("Отчет с графиками строится только в программе с QApplication."));
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        return Fail(error, "Не удалось создать файл {1}: {2}", name, file.errorString());
    if (pdf) {
        WritePdf(data, file);
    } else {
        const QByteArray bytes = ReportHtml(data, true).toUtf8();
        if (file.write(bytes) != bytes.size()) file.cancelWriting();
    }
    if (!file.commit()) return Fail(error, "Не удалось записать файл {1}: {2}", name, file.errorString());
    return true;
}

bool PrintReportWithDialog(const ReportData& data, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    printer.setDocName(QString::fromStdString(data.title));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QString::fromStdString(Localized("Печать отчета")));
    if (dialog.exec() != QDialog::Accepted) return false;
    PrintReport(data, printer);
    return true;
}

void CopyReportText(const ReportData& data) {
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(QString::fromStdString(ReportPlainText(data)));
}

}  // namespace fb::report
