#include "plot/chart_view.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>

#include "data/atomic_file.h"
#include "plot/chart_builder.h"
#include "plot/chart_export.h"

namespace vnk::plot {
namespace {

ChartPrompts SystemPrompts() {
    ChartPrompts prompts;
    prompts.fileName = [](QWidget* parent, ChartFormat format) {
        const bool svg = format == ChartFormat::Svg;
        return QFileDialog::getSaveFileName(
            parent, svg ? QStringLiteral("Save Chart as SVG") : QStringLiteral("Save Chart as PNG"),
            QString(),
            svg ? QStringLiteral("SVG Drawings (*.svg)") : QStringLiteral("PNG Pictures (*.png)"));
    };
    prompts.error = [](QWidget* parent, const QString& text) {
        QMessageBox::warning(parent, QStringLiteral("Varnok 3"), text);
    };
    return prompts;
}

ChartPrompts& DefaultPrompts() {
    static ChartPrompts prompts = SystemPrompts();
    return prompts;
}

}  // namespace

void SetDefaultChartPrompts(ChartPrompts prompts) { DefaultPrompts() = std::move(prompts); }
ChartPrompts DefaultChartPrompts() { return DefaultPrompts(); }

bool SvgAvailable() { return true; }

ChartFormat ChartFormatOf(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0
               ? ChartFormat::Svg
               : ChartFormat::Png;
}

QString ChartFileName(const QString& chosen, ChartFormat format) {
    if (chosen.isEmpty()) return chosen;
    const QString suffix = QFileInfo(chosen).suffix().toLower();
    if (suffix == QLatin1String("png") || suffix == QLatin1String("svg")) return chosen;
    return chosen + (format == ChartFormat::Svg ? QStringLiteral(".svg") : QStringLiteral(".png"));
}

QString WriteChartFile(const ChartDesign& design, const QString& path, const QSize& size,
                       ChartFormat format) {
    if (path.isEmpty()) return QStringLiteral("no file name");
    const QByteArray bytes =
        format == ChartFormat::Svg ? ChartSvg(design, size) : ChartPng(design, size);
    if (bytes.isEmpty()) return QStringLiteral("the chart could not be drawn");
    const std::string why = WriteFileSafely(
        QFile::encodeName(path).toStdString(),
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    return QString::fromStdString(why);
}

bool SaveChartPng(const ChartDesign& design, const QString& path, const QSize& size) {
    return WriteChartFile(design, path, size, ChartFormat::Png).isEmpty();
}

bool SaveChartSvg(const ChartDesign& design, const QString& path, const QSize& size) {
    return WriteChartFile(design, path, size, ChartFormat::Svg).isEmpty();
}

ChartView::ChartView(const ChartDesign& design, QWidget* parent)
    : QChartView(parent), prompts_(DefaultChartPrompts()) {
    setRenderHint(QPainter::Antialiasing);
    savePng_ = new QAction(QStringLiteral("Save Chart as PNG..."), this);
    saveSvg_ = new QAction(QStringLiteral("Save Chart as SVG..."), this);
    copy_ = new QAction(QStringLiteral("Copy Chart"), this);
    connect(savePng_, &QAction::triggered, this, [this] { askAndSave(ChartFormat::Png); });
    connect(saveSvg_, &QAction::triggered, this, [this] { askAndSave(ChartFormat::Svg); });
    connect(copy_, &QAction::triggered, this, &ChartView::copyToClipboard);
    addActions({savePng_, saveSvg_, copy_});
    setContextMenuPolicy(Qt::ActionsContextMenu);
    setDesign(design);
}

void ChartView::setDesign(const ChartDesign& design) {
    design_ = design;
    QChart* old = chart();
    setChart(BuildChart(design_));
    // setChart leaves the old chart to its caller.
    delete old;
}

QSize ChartView::pictureSize() const {
    return isVisible() && !size().isEmpty() ? size() : kExportChartSize;
}

QString ChartView::saveChart(const QString& path) const {
    return WriteChartFile(design_, path, pictureSize(), ChartFormatOf(path));
}

bool ChartView::savePng(const QString& path) const {
    return WriteChartFile(design_, path, pictureSize(), ChartFormat::Png).isEmpty();
}

void ChartView::copyToClipboard() const {
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setImage(ChartImage(design_, pictureSize()));
}

void ChartView::askAndSave(ChartFormat format) {
    if (!prompts_.fileName) return;
    const QString path = ChartFileName(prompts_.fileName(this, format), format);
    if (path.isEmpty()) return;
    if (const QString why = saveChart(path); !why.isEmpty() && prompts_.error)
        prompts_.error(this,
                       QStringLiteral("The chart could not be saved in %1: %2.").arg(path, why));
}

}  // namespace vnk::plot
