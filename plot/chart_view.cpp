#include "plot/chart_view.h"

#include <QAction>
#include <QBuffer>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QMessageBox>
#include <QPainter>

#include "data/atomic_file.h"
#include "plot/chart_builder.h"

namespace vnk::plot {
namespace {

const QSize kDefaultPngSize{1024, 768};

}  // namespace

PngPathPrompter DefaultPngPathPrompter() {
    return [](QWidget* parent) {
        return QFileDialog::getSaveFileName(parent, QStringLiteral("Save Chart as PNG"), QString(),
                                            QStringLiteral("PNG Pictures (*.png)"));
    };
}

bool SaveChartPng(const ChartSpec& design, const QString& path, const QSize& size) {
    if (path.isEmpty() || size.isEmpty()) return false;
    // A view of its own, never shown, so the picture is laid out for exactly this size.
    QChartView view(BuildChart(design));
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.setRenderHint(QPainter::Antialiasing);
    view.setFrameShape(QFrame::NoFrame);
    view.resize(size);
    view.chart()->resize(size);
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    view.scene()->setSceneRect(QRectF(QPointF(0, 0), size));
    view.scene()->render(&painter, QRectF(QPointF(0, 0), size), QRectF(QPointF(0, 0), size));
    if (!painter.end()) return false;
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return false;
    return replaceFileContents(
        QFile::encodeName(path).toStdString(),
        std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
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

void ChartView::askAndSavePng() {
    if (!prompter_) return;
    const QString path = prompter_(this);
    if (!path.isEmpty() && !savePng(path))
        QMessageBox::warning(this, QStringLiteral("Varnok 3"),
                             QStringLiteral("The chart could not be saved in %1.").arg(path));
}

}  // namespace vnk::plot
