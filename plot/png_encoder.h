// PNG files of chart pictures. Qt's own PNG writer lets libpng try every row filter at the
// default compression, which costs ten times the drawing of the chart; a chart is large areas of
// flat colour, which one filter and zlib's fast level pack about as small.
#pragma once

#include <QByteArray>
#include <QImage>

namespace vnk::plot {

// The picture as the bytes of an RGB PNG file (no alpha: charts are drawn on white); empty
// when it cannot be encoded.
QByteArray EncodePng(const QImage& image);

}  // namespace vnk::plot
