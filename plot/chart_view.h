// A chart area: draws a ChartSpec and offers "Save Chart as PNG..." (or SVG) on its context menu. The
// picture is rendered from a separate chart view that is never shown, at this view's size, so
// what is saved does not depend on the window's state.
#pragma once

#include <QtCharts/QChartView>
#include <functional>

#include "plot/chart_design.h"

class QAction;

namespace vnk::plot {

// Asks for the file to save a chart picture in; an empty answer cancels. The default shows
// the system save screen.
using PngPathPrompter = std::function<QString(QWidget* parent)>;
PngPathPrompter DefaultPngPathPrompter();

// Renders `design` to a PNG file of `size` pixels. Returns false when the file cannot be written.
bool SaveChartPng(const ChartSpec& design, const QString& path, const QSize& size);
// The same drawing as an SVG file; false where SVG is not available or the file cannot be written.
bool SaveChartSvg(const ChartSpec& design, const QString& path, const QSize& size);
bool SvgAvailable();
// The file a chosen name saves to: ".svg" and ".png" names as they are, anything else with
// ".png" added, as the picture is a PNG unless SVG was asked for.
QString ChartFileName(const QString& chosen);

class ChartView : public QChartView {
    Q_OBJECT
public:
    explicit ChartView(const ChartSpec& design = {}, QWidget* parent = nullptr);

    // Replaces what the view draws.
    void setSpec(const ChartSpec& design);
    const ChartSpec& design() const { return design_; }

    void setPngPathPrompter(PngPathPrompter prompter) { prompter_ = std::move(prompter); }
    QAction* savePngAction() const { return savePng_; }

    // Saves the chart as PNG at the view's current size (a default size while never shown).
    bool savePng(const QString& path) const;
    // PNG or SVG by the name's extension.
    bool saveChart(const QString& path) const;

private:
    void askAndSavePng();

    ChartSpec design_;
    PngPathPrompter prompter_;
    QAction* savePng_ = nullptr;
};

}  // namespace vnk::plot
