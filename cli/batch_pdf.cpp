#include "cli/batch_pdf.h"

#include <QGuiApplication>
#include <QString>
#include <QtGlobal>
#include <cstdio>

#include "print/report_pages.h"

namespace vnk::batch {
namespace {

// Qt's own notices (a missing runtime directory, font fallbacks) are no concern of a batch
// run's stderr; only what would stop the rendering is passed on.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "varnok3-batch: %s\n", message.toLocal8Bit().constData());
}

}  // namespace

bool WriteBatchPdf(const std::vector<std::string>& pages, const std::string& path) {
    // Rendering needs fonts but no window: the offscreen platform works with or without a
    // display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    int argc = 1;
    char name[] = "varnok3-batch";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    return print::WriteReportPdf(pages, QString::fromStdString(path));
}

}  // namespace vnk::batch
