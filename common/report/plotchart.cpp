#include "common/report/plotchart.h"

#include "common/ui/language.h"

#include <QBuffer>
#include <QChart>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QSaveFile>
#include <QScatterSeries>
#include <QSvgGenerator>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace fb::report {
namespace {

// Line colours in series order (minimum, nominal, maximum supply…); limits and marks apart.
const QColor kLineColours[] = {QColor(0x1f, 0x5f, 0xbf), QColor(0x2a, 0x9d, 0x3a), QColor(0xd0, 0x31, 0x2d),
                               QColor(0x8c, 0x56, 0x4b), QColor(0x94, 0x67, 0xbd)};
const QColor kLimitColours[] = {QColor(0x55, 0x55, 0x55), QColor(0xe0, 0x8a, 0x00), QColor(0x7a, 0x01, 0x77)};
const QColor kMarkColours[] = {QColor(0, 0, 0), QColor(0xe3, 0x37, 0xc2), QColor(0x00, 0x99, 0x99),
                               QColor(0xbb, 0x88, 0x00)};

QString Q(const std::string& s) { return QString::fromStdString(s); }

struct Range {
    double x0 = INFINITY, x1 = -INFINITY, y0 = 0, y1 = -INFINITY;
    void Add(double x, double y) {
        if (!std::isfinite(x) || !std::isfinite(y)) return;
        x0 = std::min(x0, x);
        x1 = std::max(x1, x);
        y0 = std::min(y0, y);
        y1 = std::max(y1, y);
    }
};

QLineSeries* LineOf(const PlotSeries& s, int& lines, int& limits, Range& range) {
    auto* series = new QLineSeries;
    series->setName(Q(s.name));
    for (size_t i = 0; i < s.x.size() && i < s.y.size(); ++i) {
        series->append(s.x[i], s.y[i]);
        range.Add(s.x[i], s.y[i]);
    }
    QPen pen;
    pen.setWidthF(2);
    if (s.style == PlotSeries::Style::Dashed) {
        pen.setStyle(Qt::DashLine);
        pen.setColor(kLimitColours[limits++ % std::size(kLimitColours)]);
    } else {
        pen.setColor(kLineColours[lines++ % std::size(kLineColours)]);
    }
    series->setPen(pen);
    return series;
}

QScatterSeries* MarkOf(const PlotMark& m, int index, Range& range) {
    auto* series = new QScatterSeries;
    series->setName(Q(m.text));
    series->append(m.x, m.y);
    series->setMarkerShape(index % 2 ? QScatterSeries::MarkerShapeRectangle : QScatterSeries::MarkerShapeCircle);
    series->setMarkerSize(11);
    series->setColor(kMarkColours[index % std::size(kMarkColours)]);
    series->setBorderColor(Qt::white);
    range.Add(m.x, m.y);
    return series;
}

void AddAxes(QChart* chart, const Plot& plot, const Range& r) {
    auto* x = new QValueAxis;
    auto* y = new QValueAxis;
    x->setTitleText(AxisTitle(plot.xCaption, plot.xUnit));
    y->setTitleText(AxisTitle(plot.yCaption, plot.yUnit));
    const bool any = r.x1 >= r.x0;
    x->setRange(any ? r.x0 : 0, any && r.x1 > r.x0 ? r.x1 : 1);
    y->setRange(r.y0, r.y1 > r.y0 ? r.y1 + 0.08 * (r.y1 - r.y0) : r.y0 + 1);
    if (plot.yUnit.empty() && r.y0 >= 0 && r.y1 <= 1) {
        y->setRange(0, 1);  // a ratio such as the duty cycle
        y->setTickCount(6);
    } else {
        y->applyNiceNumbers();
    }
    if (plot.xUnit == "°") x->setTickCount(7);  // every 30° of the half cycle
    x->setLabelFormat("%g");
    y->setLabelFormat("%g");
    for (QValueAxis* axis : {x, y}) {
        QFont labels = axis->labelsFont();
        labels.setPointSizeF(10);
        axis->setLabelsFont(labels);
        QFont caption = axis->titleFont();
        caption.setPointSizeF(10.5);
        caption.setBold(false);
        axis->setTitleFont(caption);
    }
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* s : chart->series()) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
}

// Draws the chart through a scene of its own, which owns and frees it.
void Paint(const Plot& plot, QPainter& painter, QSize size) {
    QGraphicsScene scene;
    QChart* chart = CreateChart(plot);
    scene.addItem(chart);
    chart->setGeometry(0, 0, size.width(), size.height());
    scene.setSceneRect(0, 0, size.width(), size.height());
    const QRectF rect(0, 0, size.width(), size.height());
    scene.render(&painter, rect, rect);
}

}  // namespace

QString AxisTitle(const std::string& caption, const std::string& unit) {
    return unit.empty() ? Q(caption) : Q(caption) + ", " + Q(unit);
}

QChart* CreateChart(const Plot& plot) {
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setTitle(Q(plot.title));
    QFont title = chart->titleFont();
    title.setPointSizeF(13);
    title.setBold(true);
    chart->setTitleFont(title);
    chart->legend()->setAlignment(Qt::AlignBottom);
    QFont legend = chart->legend()->font();
    legend.setPointSizeF(10);
    chart->legend()->setFont(legend);
    chart->setBackgroundBrush(Qt::white);
    Range range;
    int lines = 0, limits = 0;
    for (const PlotSeries& s : plot.series) chart->addSeries(LineOf(s, lines, limits, range));
    for (size_t i = 0; i < plot.marks.size(); ++i) chart->addSeries(MarkOf(plot.marks[i], int(i), range));
    AddAxes(chart, plot, range);
    // A bottom legend cuts long entries short; many or long entries go to the right, one a line.
    int chars = 0;
    for (const PlotSeries& s : plot.series) chars += int(Q(s.name).size()) + 4;
    for (const PlotMark& m : plot.marks) chars += int(Q(m.text).size()) + 4;
    if (chars > 80) chart->legend()->setAlignment(Qt::AlignRight);
    return chart;
}

QImage RenderPlotImage(const Plot& plot, QSize size, qreal scale) {
    QImage image(size * scale, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    Paint(plot, painter, size);
    return image;
}

QByteArray RenderPlotSvg(const Plot& plot, QSize size) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(Q(plot.title));
    {
        QPainter painter(&svg);
        painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
        Paint(plot, painter, size);
    }
    return buffer.data();
}

bool ExportPlot(const Plot& plot, const QString& path, QString* error, QSize size) {
    const QString ext = QFileInfo(path).suffix().toLower();
    QByteArray bytes;
    if (ext == "svg") {
        bytes = RenderPlotSvg(plot, size);
    } else if (ext == "png") {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        RenderPlotImage(plot, size, 2).save(&buffer, "PNG");
    } else {
        if (error) *error = ui::Translated("Неизвестный формат рисунка: укажите файл .png или .svg.");
        return false;
    }
    QSaveFile file(path);
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error) *error = ui::Translated("Не удалось записать файл %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

}  // namespace fb::report
