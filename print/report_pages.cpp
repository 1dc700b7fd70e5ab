#include "print/report_pages.h"

#include <QBuffer>
#include <QByteArray>
#include <QFontMetricsF>
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
bool WritePdf(const QStringList& texts, const std::vector<ReportPicture>& pictures,
              const QString& path, std::string* reason) {
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
        complete = complete && PaintReport(painter, writer, texts, pictures);
        complete = painter.end() && complete;
        if (!complete) {
            if (reason) *reason = "the PDF could not be rendered";
            return false;
        }
    }
    const std::string_view contents(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const std::string error = WriteFileSafely(path.toLocal8Bit().toStdString(), contents);
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

// A picture page: the title in the report font, made larger, the caption, and the picture
// as large as the rest of the page allows with its proportions kept.
void paintPicture(QPainter& painter, const QPaintDevice& device, const ReportPicture& picture,
                  qreal bottom) {
    painter.save();
    QFont titleFont(ReportFont(), &device);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    titleFont.setBold(true);
    painter.setFont(titleFont);
    painter.setPen(Qt::black);
    const qreal titleHeight = QFontMetricsF(titleFont, &device).height();
    painter.drawText(QRectF(0, 0, device.width(), titleHeight), Qt::AlignLeft, picture.title);
    const QFont captionFont(ReportFont(), &device);
    painter.setFont(captionFont);
    const qreal captionHeight = QFontMetricsF(captionFont, &device).height();
    painter.drawText(QRectF(0, titleHeight, device.width(), captionHeight), Qt::AlignLeft,
                     picture.caption);
    const QRectF room(0, titleHeight + 2 * captionHeight, device.width(),
                      bottom - titleHeight - 2 * captionHeight);
    if (!picture.image.isNull() && room.height() > 0) {
        QSizeF size = picture.image.size();
        size.scale(room.size(), Qt::KeepAspectRatio);
        painter.drawImage(QRectF(room.topLeft(), size), picture.image);
    }
    painter.restore();
}

bool PaintReport(QPainter& painter, QPagedPaintDevice& device, const QStringList& texts,
                 const std::vector<ReportPicture>& pictures) {
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
    const int textPages = static_cast<int>(pages.size());
    const int total = textPages + static_cast<int>(pictures.size());
    for (int p = 0; p < total; ++p) {
        if (p > 0 && !device.newPage()) return false;
        if (p < textPages) {
            const PageText& page = pages[static_cast<std::size_t>(p)];
            layout.draw(painter, QStringView(texts[page.text]).mid(page.from, page.count));
        } else {
            paintPicture(painter, device, pictures[static_cast<std::size_t>(p - textPages)],
                         foot.top() - layout.lineHeight());
        }
        painter.save();
        painter.setFont(QFont(ReportFont(), &device));
        painter.setPen(Qt::black);
        painter.drawText(foot, Qt::AlignHCenter | Qt::AlignBottom, PageNumberText(p + 1, total));
        painter.restore();
    }
    return true;
}

namespace {

// The PDF needs a GUI application for its fonts; a command-line caller without any application
// gets an off-screen one for the call.
bool writeWithApplication(const QStringList& texts, const std::vector<ReportPicture>& pictures,
                          const QString& path, std::string* reason) {
    if (reason) reason->clear();
    if (path.isEmpty()) return false;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return WritePdf(texts, pictures, path, reason);
    if (QCoreApplication::instance()) return false;
    char name[] = "varnok3";
    char option[] = "-platform";
    char platform[] = "offscreen";
    char* argv[] = {name, option, platform, nullptr};
    int argc = 3;
    const auto app = std::make_unique<QGuiApplication>(argc, argv);
    return WritePdf(texts, pictures, path, reason);
}

}  // namespace

bool WriteReportPdf(const QStringList& texts, const QString& path, std::string* reason) {
    return writeWithApplication(texts, {}, path, reason);
}

bool WriteReportPdf(const std::vector<std::string>& texts, const QString& path,
                    std::string* reason) {
    return writeWithApplication(ReportTexts(texts), {}, path, reason);
}

bool WriteReportPdf(const std::vector<std::string>& texts,
                    const std::vector<ReportPicture>& pictures, const QString& path,
                    std::string* reason) {
    return writeWithApplication(ReportTexts(texts), pictures, path, reason);
}

}  // namespace vnk::print
