#include "cli/batch_pdf.h"

#if VARNOK_BATCH_PDF
#include <QGuiApplication>
#include <QString>

#include "print/report_pages.h"
#endif

namespace vnk::batch {

bool WriteBatchPdf(const std::vector<std::string>& pages, const std::string& path) {
#if VARNOK_BATCH_PDF
    // Rendering needs fonts but no window: the offscreen platform works with or without a
    // display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "varnok3-batch";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    return print::WriteReportPdf(pages, QString::fromStdString(path));
#else
    (void)pages, (void)path;
    return false;
#endif
}

}  // namespace vnk::batch
