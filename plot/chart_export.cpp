#include "plot/chart_export.h"

#include <QBuffer>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QPainter>
#include <QSvgGenerator>
#include <QtCharts/QChart>
#include <memory>

#include "plot/chart_builder.h"
#include "plot/png_encoder.h"

namespace vnk::plot {
namespace {

// A chart laid out in a scene of exactly its picture's size, ready to paint any number of times.
class LaidOutChart {
  public:
    LaidOutChart(const ChartDesign& design, const QSize& size) : area_(QPointF(0, 0), size) {
        QChart* chart = BuildChart(design);
        scene_.addItem(chart);  // the scene owns the chart from here
        chart->setGeometry(area_);
        // The layout is otherwise done on the next event loop turn, which a batch run never has.
        if (chart->layout() != nullptr) chart->layout()->activate();
        scene_.setSceneRect(area_);
    }

    bool paint(QPaintDevice& device) {
        QPainter painter(&device);
        if (!painter.isActive()) return false;
        painter.setRenderHint(QPainter::Antialiasing);
        scene_.render(&painter, area_, area_);
        return painter.end();
    }

  private:
    QGraphicsScene scene_;
    QRectF area_;
};

QImage imageOf(LaidOutChart& chart, const QSize& size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (!chart.paint(image)) return {};
    return image;
}

QByteArray pngOf(const QImage& image) { return EncodePng(image); }

QByteArray svgOf(LaidOutChart& chart, const ChartDesign& design, const QSize& size) {
    QByteArray svg;
    QBuffer buffer(&svg);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(design.title);
    if (!chart.paint(generator)) return {};
    return svg;
}

}  // namespace

QImage ChartImage(const ChartDesign& design, const QSize& size) {
    if (size.isEmpty()) return {};
    LaidOutChart chart(design, size);
    return imageOf(chart, size);
}

QByteArray ChartPng(const ChartDesign& design, const QSize& size) {
    return pngOf(ChartImage(design, size));
}

QByteArray ChartSvg(const ChartDesign& design, const QSize& size) {
    if (size.isEmpty()) return {};
    LaidOutChart chart(design, size);
    return svgOf(chart, design, size);
}

ChartPictures ChartPngAndSvg(const ChartDesign& design, const QSize& size) {
    if (size.isEmpty()) return {};
    LaidOutChart chart(design, size);
    ChartPictures out;
    out.png = pngOf(imageOf(chart, size));
    if (!out.png.isEmpty()) out.svg = svgOf(chart, design, size);
    return out;
}

}  // namespace vnk::plot
