#include "print/report_pages.h"

#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <memory>

#include "print/report_layout.h"

namespace vnk::print {
namespace {

// Margins of a PDF page, about what a printer cannot reach anyway (a quarter inch).
constexpr qreal kPdfMarginPoints = 18.0;

bool WritePdf(const QStringList& texts, const QString& path) {
    QPdfWriter writer(path);
    writer.setTitle(QString::fromLatin1(kDocumentName));
    writer.setCreator(QString::fromLatin1(kDocumentName));
    writer.setPageLayout(ReportPdfPageLayout());
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    const bool complete = PaintReport(painter, writer, texts);
    painter.end();
    if (!complete) {
        QFile::remove(path);
        return false;
    }
    return QFile::exists(path);
}

}  // namespace

QPageLayout ReportPdfPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kPdfMarginPoints, kPdfMarginPoints, kPdfMarginPoints,
                                 kPdfMarginPoints),
                       QPageLayout::Point);
}

QStringList ReportTexts(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& t : texts)
        list << QString::fromLatin1(t.data(), static_cast<qsizetype>(t.size()));
    return list;
}

bool PaintReport(QPainter& painter, QPagedPaintDevice& device, const QStringList& texts) {
    const ReportLayout layout(ReportFont(), &device, QSizeF(device.width(), device.height()));
    bool pageInUse = false;  // the page the painter is on has something on it
    for (const QString& text : texts) {
        qsizetype from = 0;
        while (from < text.size()) {
            if (pageInUse && !device.newPage()) return false;
            const qsizetype count = layout.pageLength(text, from);
            layout.draw(painter, QStringView(text).mid(from, count));
            pageInUse = true;
            from += count;
        }
    }
    return true;
}

bool WriteReportPdf(const QStringList& texts, const QString& path) {
    if (path.isEmpty()) return false;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return WritePdf(texts, path);
    if (QCoreApplication::instance()) return false;  // fonts need a GUI application
    // No application yet (a command-line caller): one that needs no display, for this call.
    char name[] = "varnok3";
    char option[] = "-platform";
    char platform[] = "offscreen";
    char* argv[] = {name, option, platform, nullptr};
    int argc = 3;
    const auto app = std::make_unique<QGuiApplication>(argc, argv);
    return WritePdf(texts, path);
}

bool WriteReportPdf(const std::vector<std::string>& texts, const QString& path) {
    return WriteReportPdf(ReportTexts(texts), path);
}

}  // namespace vnk::print
