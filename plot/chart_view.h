// A chart area: draws a ChartDesign and offers "Save Chart as PNG...", "Save Chart as SVG..." and
// "Copy Chart" on its context menu. Every chart window and tab of the program shows its chart in
// one of these, so they all save and copy the same way. The picture is drawn afresh at the
// view's size, so what is saved does not depend on the window's state.
#pragma once

#include <QtCharts/QChartView>
#include <functional>

#include "plot/chart_design.h"

class QAction;

namespace vnk::plot {

enum class ChartFormat { Png, Svg };

// How a chart view asks for the file to save in (an empty answer cancels) and shows why a save
// failed. The program answers through its one prompter; until it does, the system save screen
// and a warning box.
struct ChartPrompts {
    std::function<QString(QWidget* parent, ChartFormat format)> fileName;
    std::function<void(QWidget* parent, const QString& text)> error;
};
// The prompts every chart view made from now on starts with.
void SetDefaultChartPrompts(ChartPrompts prompts);
ChartPrompts DefaultChartPrompts();

// Writes `design` drawn at `size` pixels to `path` through the safe-write path, so an existing
// file is replaced whole or kept. Returns "" or why it could not ("No space left on device").
QString WriteChartFile(const ChartDesign& design, const QString& path, const QSize& size,
                       ChartFormat format);
// WriteChartFile for callers that only need to know whether it worked.
bool SaveChartPng(const ChartDesign& design, const QString& path, const QSize& size);
bool SaveChartSvg(const ChartDesign& design, const QString& path, const QSize& size);
bool SvgAvailable();
// The file a chosen name saves to: ".png" and ".svg" names as they are, anything else with the
// format's extension added.
QString ChartFileName(const QString& chosen, ChartFormat format = ChartFormat::Png);
// The format a file name asks for: SVG for ".svg" names, PNG otherwise.
ChartFormat ChartFormatOf(const QString& path);

class ChartView : public QChartView {
    Q_OBJECT
  public:
    explicit ChartView(const ChartDesign& design = {}, QWidget* parent = nullptr);

    // Replaces what the view draws.
    void setDesign(const ChartDesign& design);
    const ChartDesign& design() const { return design_; }

    void setPrompts(ChartPrompts prompts) { prompts_ = std::move(prompts); }
    QAction* savePngAction() const { return savePng_; }
    QAction* saveSvgAction() const { return saveSvg_; }
    QAction* copyAction() const { return copy_; }

    // The size pictures are drawn at: the view's own while shown, a default size otherwise.
    QSize pictureSize() const;
    // Saves the chart as PNG or SVG by the name's extension; "" or why it could not.
    QString saveChart(const QString& path) const;
    bool savePng(const QString& path) const;
    // Puts the chart on the clipboard as a picture.
    void copyToClipboard() const;

  private:
    void askAndSave(ChartFormat format);

    ChartDesign design_;
    ChartPrompts prompts_;
    QAction* savePng_ = nullptr;
    QAction* saveSvg_ = nullptr;
    QAction* copy_ = nullptr;
};

}  // namespace vnk::plot
