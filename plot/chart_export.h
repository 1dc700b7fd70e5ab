// Charts drawn without a window: the chart of a ChartDesign painted straight onto a picture, so
// the batch program can write them on the offscreen platform and a chart view can save or copy
// what it shows. Needs a QApplication (charts are graphics widgets) but never shows anything.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

#include "plot/chart_design.h"

namespace vnk::plot {

inline const QSize kExportChartSize{1024, 768};

// The chart on a white picture of `size`; a null image when it cannot be drawn.
QImage ChartImage(const ChartDesign& design, const QSize& size = kExportChartSize);

// The chart as a PNG file's bytes; empty when it cannot be encoded.
QByteArray ChartPng(const ChartDesign& design, const QSize& size = kExportChartSize);

// The chart as an SVG document's bytes, titled with the chart's title.
QByteArray ChartSvg(const ChartDesign& design, const QSize& size = kExportChartSize);

// Both pictures of one chart, laid out once.
struct ChartPictures {
    QByteArray png;
    QByteArray svg;
};
ChartPictures ChartPngAndSvg(const ChartDesign& design, const QSize& size = kExportChartSize);

}  // namespace vnk::plot
