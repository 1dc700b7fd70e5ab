#include "print/report_pages.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <memory>
#include <vector>

#include "data/atomic_file.h"
#include "print/report_layout.h"

namespace vnk::print {
namespace {

constexpr qreal kSideMarginPoints = 18.0;
constexpr qreal kTopMarginPoints = 36.0;

// Where one page's text lies in the texts.
struct PageText {
    qsizetype text = 0;
    qsizetype from = 0;
    qsizetype count = 0;
};

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

QMarginsF ReportMargins() {
    return QMarginsF(kSideMarginPoints, kTopMarginPoints, kSideMarginPoints, kTopMarginPoints);
}

QPageLayout ReportPdfPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, ReportMargins(),
                       QPageLayout::Point);
}

QString PageNumberText(int page, int pages) {
    return QStringLiteral("Page %1 of %2").arg(page).arg(pages);
}

ReportLayout ReportTextLayout(const QPaintDevice& device) {
    const QSizeF page(device.width(), device.height());
    const qreal line = ReportLayout(ReportFont(), &device, page).lineHeight();
    return ReportLayout(ReportFont(), &device,
                        QSizeF(page.width(), std::max(page.height() - 2 * line, line)));
}

QStringList ReportTexts(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& t : texts)
        list << QString::fromLatin1(t.data(), static_cast<qsizetype>(t.size()));
    return list;
}

bool PaintReport(QPainter& painter, QPagedPaintDevice& device, const QStringList& texts) {
    const ReportLayout layout = ReportTextLayout(device);
    // Every page is cut first: the foot of each names the number of pages.
    std::vector<PageText> pages;
    for (qsizetype t = 0; t < texts.size(); ++t) {
        for (qsizetype from = 0; from < texts[t].size();) {
            const qsizetype count = layout.pageLength(texts[t], from);
            pages.push_back({t, from, count});
            from += count;
        }
    }
    const QRectF foot(0, device.height() - layout.lineHeight(), device.width(),
                      layout.lineHeight());
    const int total = static_cast<int>(pages.size());
    for (int p = 0; p < total; ++p) {
        if (p > 0 && !device.newPage()) return false;
        const PageText& page = pages[static_cast<std::size_t>(p)];
        layout.draw(painter, QStringView(texts[page.text]).mid(page.from, page.count));
        painter.save();
        painter.setFont(QFont(ReportFont(), &device));
        painter.setPen(Qt::black);
        painter.drawText(foot, Qt::AlignHCenter | Qt::AlignBottom, PageNumberText(p + 1, total));
        painter.restore();
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
