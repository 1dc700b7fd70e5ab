// The PDF output module of varnok3-batch: the report texts through the report printing
// facility, rendered on the offscreen platform (no display, no widgets).
#include <QGuiApplication>
#include <QString>
#include <QtGlobal>
#include <cstdio>

#include "cli/batch_pdf.h"
#include "print/report_pages.h"

namespace {

// Qt's own notices (a missing runtime directory, font fallbacks) are no concern of a batch
// run's stderr; only what would stop the rendering is passed on.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "varnok3-batch: %s\n", message.toLocal8Bit().constData());
}

}  // namespace

namespace {

struct ChartArrays {
    const char* const* titles;
    const char* const* captions;
    const char* const* pngs;
    const std::size_t* pngLengths;
    std::size_t count;
};

// Both entry points: the report pages, then a page per chart (none without `charts`), rendered
// off screen; the pictures are read once the application exists.
bool writePdf(const char* const* texts, const std::size_t* lengths, std::size_t count,
              const ChartArrays* charts, const char* path, char* reason, std::size_t reasonSize) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    int argc = 1;
    char name[] = "varnok3-batch";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    std::vector<std::string> pages;
    for (std::size_t i = 0; i < count; ++i) pages.emplace_back(texts[i], lengths[i]);
    std::vector<vnk::print::ReportPicture> pictures;
    for (std::size_t i = 0; charts && i < charts->count; ++i)
        pictures.push_back({QString::fromUtf8(charts->titles[i]),
                            QString::fromUtf8(charts->captions[i]),
                            QImage::fromData(reinterpret_cast<const uchar*>(charts->pngs[i]),
                                             static_cast<int>(charts->pngLengths[i]), "PNG")});
    std::string why;
    const bool written =
        vnk::print::WriteReportPdf(pages, pictures, QString::fromLocal8Bit(path), &why);
    if (!written && reasonSize > 0) std::snprintf(reason, reasonSize, "%s", why.c_str());
    return written;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) bool varnok_write_report_pdf_with_charts(
    const char* const* texts, const std::size_t* lengths, std::size_t count,
    const char* const* titles, const char* const* captions, const char* const* pngs,
    const std::size_t* pngLengths, std::size_t charts, const char* path, char* reason,
    std::size_t reasonSize) {
    static_assert(std::is_same_v<decltype(&varnok_write_report_pdf_with_charts),
                                 vnk::batch::PdfChartsEntryPoint>);
    const ChartArrays arrays{titles, captions, pngs, pngLengths, charts};
    return writePdf(texts, lengths, count, &arrays, path, reason, reasonSize);
}

extern "C" __attribute__((visibility("default"))) bool varnok_write_report_pdf(
    const char* const* texts, const std::size_t* lengths, std::size_t count, const char* path,
    char* reason, std::size_t reasonSize) {
    static_assert(std::is_same_v<decltype(&varnok_write_report_pdf), vnk::batch::PdfEntryPoint>);
    return writePdf(texts, lengths, count, nullptr, path, reason, reasonSize);
}
