#include "common/report/reportdocument.h"

#include "common/report/reportsections.h"
#include "common/ui/windingdrawing.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextDocument>
#include <QUrl>

#include "common/data/english.h"
#include "common/files/fieldcatalogue.h"
#include "common/report/plotchart.h"

namespace fb::report {
namespace {

// A4 in points; the document is laid out on it and scaled onto the printer's page.
constexpr qreal kPageWidth = 595.28, kPageHeight = 841.89, kMargin = 45;
constexpr int kPictureWidth = 480;  // points on the page
// Chart size in pixels, drawn three times as fine; two charts and their heading fit a page.
const QSize kPlotSize(760, 440);

QString H(const std::string& s) { return QString::fromStdString(s).toHtmlEscaped().replace('\n', "<br>"); }

QString Nothing() { return QString::fromStdString(Localized(kNothing)); }

QString PngDataUrl(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return "data:image/png;base64," + QString::fromLatin1(bytes.toBase64());
}

QImage ImageOf(const ReportImage& im) {
    if (im.format == "svg") {
        QSvgRenderer svg(QByteArray::fromStdString(im.data));
        if (!svg.isValid()) return {};
        QSize size = svg.defaultSize();
        if (size.isEmpty()) size = QSize(800, 600);
        size.scale(1600, 1600, Qt::KeepAspectRatio);
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        svg.render(&painter);
        return image;
    }
    return QImage::fromData(QByteArray::fromStdString(im.data));
}

class HtmlWriter {
public:
    explicit HtmlWriter(bool embedded) : m_embedded(embedded) {}

    QString m_html;
    std::vector<std::pair<QString, QImage>> m_resources;  // name → picture, for QTextDocument

    void Heading(const char* text, bool newPage = false) {
        ++m_section;
        m_html += QString("<h2%1>%2. %3</h2>\n")
                      .arg(newPage ? " style=\"page-break-before: always\"" : "")
                      .arg(m_section)
                      .arg(QString::fromStdString(Localized(text)));
    }
    void Sub(const char* text) { m_html += "<h3>" + QString::fromStdString(Localized(text)) + "</h3>\n"; }
    void Para(const QString& html) { m_html += "<p>" + html + "</p>\n"; }
    void Rows(const std::vector<ReportRow>& rows) {
        if (rows.empty()) return Para(Nothing());
        m_html += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">\n";
        for (const ReportRow& r : rows)
            m_html += "<tr><td width=\"62%\">" + H(r.caption) + "</td><td align=\"right\"><b>" + H(r.value) +
                      "</b></td><td>" + H(r.unit) + "</td></tr>\n";
        m_html += "</table>\n";
    }
    void Table(const ReportTable& t) {
        m_html += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">\n<tr>";
        for (const std::string& h : t.headers) m_html += "<th bgcolor=\"#e8e8e8\">" + H(h) + "</th>";
        m_html += "</tr>\n";
        for (const auto& row : t.rows) {
            m_html += "<tr>";
            for (const std::string& c : row) m_html += "<td>" + H(c) + "</td>";
            m_html += "</tr>\n";
        }
        m_html += "</table>\n";
    }
    void Picture(const QImage& image, const QString& caption, bool newPage, bool captioned = true) {
        if (image.isNull()) return Para(caption.toHtmlEscaped() + ": " + Nothing());
        const int height = image.width() > 0 ? kPictureWidth * image.height() / image.width() : 0;
        QString src;
        if (m_embedded) {
            src = PngDataUrl(image);
        } else {
            src = QString("picture%1.png").arg(m_resources.size());
            m_resources.emplace_back(src, image);
        }
        m_html +=
            QString("<p align=\"center\"%1><img src=\"%2\" width=\"%3\" height=\"%4\" alt=\"%5\">%6</p>\n")
                .arg(newPage ? " style=\"page-break-before: always\"" : "", src)
                .arg(kPictureWidth)
                .arg(height)
                .arg(caption.toHtmlEscaped(), captioned ? "<br><i>" + caption.toHtmlEscaped() + "</i>" : QString());
    }

private:
    bool m_embedded;
    int m_section = 0;
};

void Header(HtmlWriter& w, const ReportData& d) {
    w.m_html += "<h1>" + H(d.title) + "</h1>\n";
    w.Para(QString::fromStdString(
        Phrase("Программа: <b>{1}</b>, версия {2}. Дата: {3}.",
               {H(d.program).toStdString(), H(d.version).toStdString(), H(d.date).toStdString()})));
}

void Body(HtmlWriter& w, const ReportData& d) {
    w.Heading(kInputs);
    w.Rows(d.inputs);
    w.Heading(kCore);
    w.Sub(caption::kCore);
    w.Rows(d.core);
    w.Sub(caption::kMaterial);
    w.Rows(d.material);
    w.Heading(kResults);
    w.Rows(d.results);
    for (const std::string& m : d.messages) w.Para("<font color=\"#b00000\">" + H(m) + "</font>");
    w.Heading(kChecks);
    if (d.checks.empty()) w.Para(Nothing());
    ReportTable checks{{Localized("Правило"), Localized("Важность"), Localized("Сообщение")}, {}};
    for (const ReportCheck& c : d.checks) checks.rows.push_back({c.rule, c.severity, c.text});
    if (!checks.Empty()) w.Table(checks);
    w.Heading(kAnalysis);
    w.Rows(d.analysis);
    if (!d.windings.Empty()) w.Table(d.windings);
    for (const ReportImage& im : d.images) w.Picture(ImageOf(im), QString::fromStdString(im.caption), false);
    if (d.hasWindingDrawing)
        w.Picture(ui::WindingWindowImage(d.windingLosses, d.windingGeometry, QSize(1120, 640)),
                  QString::fromStdString(Localized(kWindingDrawingCaption)), false);
    w.Heading(kInstructions);
    if (d.instructions.empty())
        w.Para(Nothing());
    else {
        w.m_html += "<ol>\n";
        for (const std::string& s : d.instructions) w.m_html += "<li>" + H(s) + "</li>\n";
        w.m_html += "</ol>\n";
    }
    if (!d.clamper.empty()) {
        w.Heading(kClamper);
        w.Rows(d.clamper);
    }
}

// Two plots to a page, the first on a page of its own after the text.
void Plots(HtmlWriter& w, const ReportData& d) {
    w.Heading(kPlots, true);
    for (size_t i = 0; d.plots.valid && i < d.plots.plots.size(); ++i) {
        const Plot& p = d.plots.plots[i];
        w.Picture(RenderPlotImage(p, kPlotSize, 3), QString::fromStdString(p.title), i > 0 && i % 2 == 0, false);
    }
    for (const std::string& n : d.plots.notes) w.Para(H(n));
}

HtmlWriter Write(const ReportData& d, bool embedded) {
    HtmlWriter w(embedded);
    w.m_html = QString("<!DOCTYPE html>\n<html lang=\"") + (EnglishTexts() ? "en" : "ru") +
               "\"><head><meta charset=\"utf-8\"><title>" + H(d.title) +
               "</title>\n<style>body { font-family: 'DejaVu Sans', sans-serif; font-size: 10pt; }"
               " h1 { font-size: 16pt; } h2 { font-size: 13pt; margin-top: 14pt; } h3 { font-size: 11pt; }"
               " th { text-align: left; } img { max-width: 100%; height: auto; }</style></head><body>\n";
    Header(w, d);
    Body(w, d);
    Plots(w, d);
    w.m_html += "</body></html>\n";
    return w;
}

}  // namespace

QString ReportHtml(const ReportData& data, bool embedded) { return Write(data, embedded).m_html; }

void BuildReportDocument(const ReportData& data, QTextDocument& doc) {
    HtmlWriter w = Write(data, false);
    for (const auto& [name, image] : w.m_resources) doc.addResource(QTextDocument::ImageResource, QUrl(name), image);
    QFont font("DejaVu Sans");
    font.setPointSizeF(9.5);
    // No ligatures: "fl" stays two letters when the PDF is read back as text.
    font.setStyleStrategy(QFont::PreferNoShaping);
    doc.setDefaultFont(font);
    doc.setPageSize(QSizeF(kPageWidth, kPageHeight));
    doc.setDocumentMargin(kMargin);
    doc.setMetaInformation(QTextDocument::DocumentTitle, QString::fromStdString(data.title));
    doc.setHtml(w.m_html);
}

}  // namespace fb::report
