#pragma once
// The winding window of a design drawn to scale: the coil former seen in section beside the
// core's leg, the end margins, each winding's layers as bands in its colour with the tape
// between windings, and a legend. One painter function serves the window, the SVG and the
// picture a report embeds.
#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QWidget>

#include "common/analysis/lossanalysis.h"
#include "common/data/coregeometry.h"

class QPainter;

namespace fb::ui {

// Paints into `area` of `painter` (white background, black lines); an analysis that is not
// valid gets its first note in place of the drawing.
void PaintWindingWindow(QPainter& painter, const QRectF& area, const LossAnalysis& analysis,
                        const CoreGeometry& geometry);
// The drawing as an SVG document and as a picture of `size` pixels (a QGuiApplication must
// exist: the legend's text needs its fonts).
QByteArray WindingWindowSvg(const LossAnalysis& analysis, const CoreGeometry& geometry, QSize size = QSize(560, 320));
QImage WindingWindowImage(const LossAnalysis& analysis, const CoreGeometry& geometry, QSize size = QSize(560, 320));

// A winding's name ("Первичная", "Вторичная 2") in the interface language.
QString WindingName(const std::string& name);

class CWindingDrawing : public QWidget {
    Q_OBJECT
public:
    explicit CWindingDrawing(QWidget* parent = nullptr);
    void SetAnalysis(const LossAnalysis& analysis, const CoreGeometry& geometry);
    QSize sizeHint() const override { return QSize(560, 320); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    LossAnalysis m_analysis;
    CoreGeometry m_geometry;
};

}  // namespace fb::ui
