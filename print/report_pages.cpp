#include "print/report_pages.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <memory>

#include "data/atomic_file.h"
#include "print/report_layout.h"

namespace vnk::print {
namespace {

// Margins of a PDF page, about what a printer cannot reach anyway (a quarter inch).
constexpr qreal kPdfMarginPoints = 18.0;

// The whole document in memory first: only a complete PDF may replace the target, and it
// reaches the disk through the program's one safe way of writing files.
bool WritePdf(const QStringList& texts, const QString& path, std::string* reason) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QString::fromLatin1(kDocumentName));
        writer.setCreator(QString::fromLatin1(kDocumentName));
        writer.setPageLayout(ReportPdfPageLayout());
        QPainter painter;
        bool complete = painter.begin(&writer);
        complete = complete && PaintReport(painter, writer, texts);
        complete = painter.end() && complete;
        if (!complete) {
            if (reason) *reason = "the PDF could not be rendered";
            return false;
        }
    }
    const std::string_view contents(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const std::string error = writeFileSafely(path.toLocal8Bit().toStdString(), contents);
    if (reason) *reason = error;
    return error.empty();
}

}  // namespace

QPageLayout ReportPdfPageLayout() {
    return QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(kPdfMarginPoints, kPdfMarginPoints, kPdfMarginPoints, kPdfMarginPoints),
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

bool WriteReportPdf(const QStringList& texts, const QString& path, std::string* reason) {
    if (reason) reason->clear();
    if (path.isEmpty()) return false;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return WritePdf(texts, path, reason);
    if (QCoreApplication::instance()) return false;  // fonts need a GUI application
    // No application yet (a command-line caller): one that needs no display, for this call.
    char name[] = "varnok3";
    char option[] = "-platform";
    char platform[] = "offscreen";
    char* argv[] = {name, option, platform, nullptr};
    int argc = 3;
    const auto app = std::make_unique<QGuiApplication>(argc, argv);
    return WritePdf(texts, path, reason);
}

bool WriteReportPdf(const std::vector<std::string>& texts, const QString& path,
                    std::string* reason) {
    return WriteReportPdf(ReportTexts(texts), path, reason);
}

}  // namespace vnk::print
