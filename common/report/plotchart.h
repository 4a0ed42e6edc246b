#pragma once
// One plot of a PlotSet as a Qt chart, and its rendering to a picture or a file. Qt Charts
// draws through Graphics View, so these need a QApplication (see EnsureReportApplication).
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include "common/analysis/waveforms.h"

QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace fb::report {

// A new chart (the caller owns it): titled, both axes captioned with their units, the
// legend below, dashed limit lines and labelled markers.
QChart* CreateChart(const Plot& plot);

// The chart drawn on white, `scale` times the size in pixels (fonts scale with it).
QImage RenderPlotImage(const Plot& plot, QSize size = {900, 560}, qreal scale = 1);
QByteArray RenderPlotSvg(const Plot& plot, QSize size = {900, 560});

// PNG or SVG by the file's extension; written whole or not at all. False with a Russian
// reason in `error`.
bool ExportPlot(const Plot& plot, const QString& path, QString* error, QSize size = {900, 560});

// An axis caption: "Время, мкс"; without a unit just the caption.
QString AxisTitle(const std::string& caption, const std::string& unit);

}  // namespace fb::report
