#include "common/ui/windingdrawing.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "common/data/english.h"
#include "common/data/numbers.h"
#include "common/ui/language.h"

namespace fb::ui {
namespace {

constexpr double kLegWidth = 10;  // px, the core's leg, not to scale
constexpr double kPad = 8;

QColor WindingColor(const std::string& name, int index) {
    static const QColor colors[] = {QColor(0x4f, 0x81, 0xbd), QColor(0xe0, 0x8a, 0x2c), QColor(0x5b, 0xa0, 0x4e),
                                    QColor(0x8e, 0x62, 0xb0), QColor(0x2e, 0x9c, 0x9c), QColor(0xb0, 0x5c, 0x48)};
    // Both halves of a split primary share its colour.
    if (name.rfind("Первичная", 0) == 0) return colors[0];
    return colors[1 + index % 5];
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Several values in one pass, so a value holding "%1" is never taken for a placeholder.
QString Text(const char* russian, const QString& a, const QString& b, const QString& c = QString()) {
    const QString t = Translated(QString::fromUtf8(russian));
    return c.isNull() ? t.arg(a, b) : t.arg(a, b, c);
}

// The bands of one winding: full layers of turnsPerLayer turns, the last one what is left.
void PaintWinding(QPainter& p, const WindingResult& w, QColor color, double x0, double yTop, double scale) {
    const LayerBuild& b = w.build;
    const double bundle = b.bundle_mm * scale;
    double left = std::ceil(w.turns - 1e-9);
    // Layers thinner than a pixel cannot be told apart, and turns that came out infinite give
    // billions of them: the winding is then one block of its build.
    if (!(bundle >= 0.5) || !std::isfinite(left)) {
        p.setBrush(color);
        p.setPen(QPen(color.darker(140), 0));
        if (left > 0)
            p.drawRect(QRectF(x0, yTop, b.build_mm * scale, std::min(left, double(b.turnsPerLayer)) * bundle));
        return;
    }
    for (int layer = 0; layer < b.layers && left > 0; ++layer) {
        const double turns = std::min(left, double(b.turnsPerLayer));
        left -= turns;
        QColor fill = layer % 2 ? color.lighter(125) : color;
        p.setBrush(fill);
        p.setPen(QPen(color.darker(140), 0));
        p.drawRect(QRectF(x0 + layer * bundle, yTop, bundle, turns * b.bundle_mm * scale));
    }
}

void PaintLegend(QPainter& p, const LossAnalysis& a, const QRectF& area) {
    const QFontMetricsF fm(p.font());
    double y = area.top() + fm.height();
    int others = 0;
    for (const WindingResult& w : a.windings) {
        const QColor c = WindingColor(w.name, w.name.rfind("Первичная", 0) == 0 ? 0 : others++);
        p.setPen(QPen(c.darker(140), 0));
        p.setBrush(c);
        p.drawRect(QRectF(area.left(), y - fm.ascent() + 1, 12, fm.ascent() - 2));
        p.setPen(Qt::black);
        const QString text =
            Text("%1: %2 вит., слоев %3", WindingName(w.name), Q(F0(w.turns)), Q(FormatInt(w.build.layers)));
        p.drawText(QPointF(area.left() + 18, y), fm.elidedText(text, Qt::ElideRight, area.width() - 18));
        y += fm.height() + 2;
    }
    y += 4;
    if (a.options.InsulationGap() > 0) {
        p.setBrush(QColor(0x40, 0x40, 0x40));
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(area.left(), y - fm.ascent() + 1, 12, fm.ascent() - 2));
        p.setPen(Qt::black);
        p.drawText(QPointF(area.left() + 18, y),
                   Text("изоляция %1 мм x %2", Q(TidyNumber(a.options.tape_mm)), Q(FormatInt(a.options.tapeLayers))));
        y += fm.height() + 2;
    }
    if (a.options.margin_mm > 0) {
        p.setBrush(QBrush(Qt::gray, Qt::BDiagPattern));
        p.setPen(QPen(Qt::gray, 0));
        p.drawRect(QRectF(area.left(), y - fm.ascent() + 1, 12, fm.ascent() - 2));
        p.setPen(Qt::black);
        p.drawText(QPointF(area.left() + 18, y),
                   Translated(QStringLiteral("поля %1 мм")).arg(Q(TidyNumber(a.options.margin_mm))));
        y += fm.height() + 2;
    }
    p.setPen(a.fits ? Qt::black : QColor(0xd3, 0x2f, 0x2f));
    QString build =
        Text("Намотка %1 мм из %2 мм (%3 %)", Q(F2(a.build)), Q(F2(a.formerHeight)), Q(F0(a.buildFill * 100))) +
        (a.fits ? QString() : Translated(QStringLiteral(": не помещается")));
    build.replace(QStringLiteral(" %"), QStringLiteral("\u00a0%"));  // a wrapped line never starts with "%"
    p.drawText(QRectF(area.left(), y, area.width(), area.bottom() - y), Qt::TextWordWrap, build);
}

// Width at the right for the legend: half the area, at most 300 px.
double LegendWidth(const QRectF& area) { return std::min(300.0, area.width() / 2); }

}  // namespace

QString WindingName(const std::string& name) { return Q(LocalizedWindingName(name)); }

void PaintWindingWindow(QPainter& p, const QRectF& area, const LossAnalysis& a, const CoreGeometry& g) {
    const double legendWidth = LegendWidth(area);
    p.save();
    p.fillRect(area, Qt::white);
    p.setRenderHint(QPainter::Antialiasing, false);
    if (!a.valid || !g.HasBobbin()) {
        p.setPen(Qt::black);
        const QString why = a.notes.empty() ? Translated(QStringLiteral("Намотка не рассчитана.")) : Q(a.notes.front());
        p.drawText(area.adjusted(kPad, kPad, -kPad, -kPad), Qt::AlignCenter | Qt::TextWordWrap, why);
        p.restore();
        return;
    }
    // Across: the build outward from the leg (the former's height, or the build when it is
    // more); down: along the leg (the former's width). One scale for both.
    const double depth = std::max(g.bobbinHeight, a.build);
    const QRectF room = area.adjusted(kPad + kLegWidth, kPad, -kPad - legendWidth, -kPad);
    const double scale = std::min(room.width() / depth, room.height() / g.bobbinWidth);
    const QRectF former(room.left(), room.top(), g.bobbinHeight * scale, g.bobbinWidth * scale);
    const double margin = a.options.margin_mm * scale;

    p.fillRect(QRectF(former.left() - kLegWidth, former.top() - 4, kLegWidth - 1, former.height() + 8),
               QColor(0x9a, 0x9a, 0x9a));
    if (margin > 0) {
        p.setPen(QPen(Qt::gray, 0));
        p.setBrush(QBrush(Qt::gray, Qt::BDiagPattern));
        p.drawRect(QRectF(former.left(), former.top(), former.width(), margin));
        p.drawRect(QRectF(former.left(), former.bottom() - margin, former.width(), margin));
    }
    const double gap = a.options.InsulationGap() * scale;
    double x = former.left();
    int others = 0;
    for (size_t k = 0; k < a.windings.size(); ++k) {
        const WindingResult& w = a.windings[k];
        const QColor color = WindingColor(w.name, w.name.rfind("Первичная", 0) == 0 ? 0 : others++);
        PaintWinding(p, w, color, x, former.top() + margin, scale);
        x += w.build.build_mm * scale;
        if (k + 1 < a.windings.size() && gap > 0) {
            p.fillRect(QRectF(x, former.top(), gap, former.height()), QColor(0x40, 0x40, 0x40));
            x += gap;
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1.5));
    p.drawRect(former);
    if (!a.fits && a.build > g.bobbinHeight) {
        p.setPen(QPen(QColor(0xd3, 0x2f, 0x2f), 1.5, Qt::DashLine));
        p.drawRect(QRectF(former.right(), former.top(), (a.build - g.bobbinHeight) * scale, former.height()));
    }
    PaintLegend(p, a,
                QRectF(area.right() - legendWidth, area.top() + kPad, legendWidth - kPad, area.height() - 2 * kPad));
    p.restore();
}

QByteArray WindingWindowSvg(const LossAnalysis& a, const CoreGeometry& g, QSize size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(Translated(QStringLiteral("Окно намотки")));
    QPainter p(&svg);
    PaintWindingWindow(p, QRectF(QPointF(0, 0), size), a, g);
    p.end();
    return bytes;
}

QImage WindingWindowImage(const LossAnalysis& a, const CoreGeometry& g, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    PaintWindingWindow(p, QRectF(QPointF(0, 0), size), a, g);
    return image;
}

CWindingDrawing::CWindingDrawing(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("windingDrawing"));
    setMinimumSize(420, 240);
}

void CWindingDrawing::SetAnalysis(const LossAnalysis& analysis, const CoreGeometry& geometry) {
    m_analysis = analysis;
    m_geometry = geometry;
    update();
}

void CWindingDrawing::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintWindingWindow(p, QRectF(rect()), m_analysis, m_geometry);
}

}  // namespace fb::ui
