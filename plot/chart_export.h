// Charts drawn without a window: the chart of a ChartSpec painted straight onto a picture, so
// the batch program can write them on the offscreen platform. Needs a QApplication (charts are
// graphics widgets) but never shows anything.
#pragma once

#include <QByteArray>
#include <QSize>

#include "plot/chart_design.h"

namespace vnk::plot {

inline const QSize kExportChartSize{1024, 768};

// The chart as a PNG file's bytes; empty when it cannot be encoded.
QByteArray ChartPng(const ChartSpec& design, const QSize& size = kExportChartSize);

// The chart as an SVG document's bytes, titled with the chart's title.
QByteArray ChartSvg(const ChartSpec& design, const QSize& size = kExportChartSize);

}  // namespace vnk::plot
