#include "plot/chart_view.h"

#include <QAction>
#include <QBuffer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#ifdef VARNOK_HAVE_SVG
#include <QSvgGenerator>
#endif

#include "data/atomic_file.h"
#include "plot/chart_builder.h"

namespace vnk::plot {
namespace {

const QSize kDefaultPngSize{1024, 768};

}  // namespace

PngPathPrompter DefaultPngPathPrompter() {
    return [](QWidget* parent) {
        const QString filters = SvgAvailable()
                                    ? QStringLiteral("PNG Pictures (*.png);;SVG Drawings (*.svg)")
                                    : QStringLiteral("PNG Pictures (*.png)");
        QString chosenFilter;
        QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Save Chart as PNG"),
                                                    QString(), filters, &chosenFilter);
        // A bare name under the SVG filter means an SVG drawing.
        if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty() &&
            chosenFilter.contains(QStringLiteral("*.svg")))
            path += QStringLiteral(".svg");
        return path;
    };
}

namespace {

bool writeBytes(const QString& path, const QByteArray& bytes) {
    return replaceFileContents(
        QFile::encodeName(path).toStdString(),
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

// Draws the chart onto `device` at `size`, from a view of its own that is never shown, so the
// picture is laid out for exactly this size.
bool renderChart(const ChartSpec& design, QPaintDevice& device, const QSize& size) {
    QChartView view(BuildChart(design));
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.setRenderHint(QPainter::Antialiasing);
    view.setFrameShape(QFrame::NoFrame);
    view.resize(size);
    view.chart()->resize(size);
    QPainter painter(&device);
    painter.setRenderHint(QPainter::Antialiasing);
    view.scene()->setSceneRect(QRectF(QPointF(0, 0), size));
    view.scene()->render(&painter, QRectF(QPointF(0, 0), size), QRectF(QPointF(0, 0), size));
    return painter.end();
}

}  // namespace

bool SvgAvailable() {
#ifdef VARNOK_HAVE_SVG
    return true;
#else
    return false;
#endif
}

QString ChartFileName(const QString& chosen) {
    if (chosen.isEmpty()) return chosen;
    const QString suffix = QFileInfo(chosen).suffix().toLower();
    if (suffix == QLatin1String("png") || (suffix == QLatin1String("svg") && SvgAvailable()))
        return chosen;
    return chosen + QStringLiteral(".png");
}

bool SaveChartSvg([[maybe_unused]] const ChartSpec& design, [[maybe_unused]] const QString& path,
                  [[maybe_unused]] const QSize& size) {
#ifdef VARNOK_HAVE_SVG
    if (path.isEmpty() || size.isEmpty()) return false;
    QByteArray svg;
    QBuffer buffer(&svg);
    if (!buffer.open(QIODevice::WriteOnly)) return false;
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(design.title);
    if (!renderChart(design, generator, size)) return false;
    buffer.close();
    return writeBytes(path, svg);
#else
    return false;
#endif
}

bool SaveChartPng(const ChartSpec& design, const QString& path, const QSize& size) {
    if (path.isEmpty() || size.isEmpty()) return false;
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    if (!renderChart(design, image, size)) return false;
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return false;
    return writeBytes(path, png);
}

ChartView::ChartView(const ChartSpec& design, QWidget* parent)
    : QChartView(parent), prompter_(DefaultPngPathPrompter()) {
    setRenderHint(QPainter::Antialiasing);
    savePng_ = new QAction(QStringLiteral("Save Chart as PNG..."), this);
    connect(savePng_, &QAction::triggered, this, &ChartView::askAndSavePng);
    addAction(savePng_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    setSpec(design);
}

void ChartView::setSpec(const ChartSpec& design) {
    design_ = design;
    QChart* old = chart();
    setChart(BuildChart(design_));
    // setChart leaves the old chart to its caller.
    delete old;
}

bool ChartView::savePng(const QString& path) const {
    const QSize size = isVisible() && !this->size().isEmpty() ? this->size() : kDefaultPngSize;
    return SaveChartPng(design_, path, size);
}

bool ChartView::saveChart(const QString& path) const {
    if (QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) != 0)
        return savePng(path);
    const QSize size = isVisible() && !this->size().isEmpty() ? this->size() : kDefaultPngSize;
    return SaveChartSvg(design_, path, size);
}

void ChartView::askAndSavePng() {
    if (!prompter_) return;
    const QString path = ChartFileName(prompter_(this));
    if (!path.isEmpty() && !saveChart(path))
        QMessageBox::warning(this, QStringLiteral("Varnok 3"),
                             QStringLiteral("The chart could not be saved in %1.").arg(path));
}

}  // namespace vnk::plot
