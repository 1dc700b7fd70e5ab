// Report printing without widgets: the pagination every printed report goes through, and the
// PDF output of the command line. Each text starts on a new page; each page takes as much of
// the remaining text as fits (ReportLayout::pageLength).
#pragma once

#include <QImage>
#include <QPageLayout>
#include <QStringList>
#include <string>
#include <vector>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace vnk::print {

class ReportLayout;

// Name of every print job and title of every PDF written.
inline constexpr const char* kDocumentName = "Varnok 3";

// Margins of a report page in points: half an inch above and below; a quarter inch at the
// sides, as the widest report lines (102 characters) need nearly all of an A4 page's width.
QMarginsF ReportMargins();

// The page of the PDF output: A4 portrait less the report margins.
QPageLayout ReportPdfPageLayout();

// The text of the page-number line at the foot of page `page` of `pages`.
QString PageNumberText(int page, int pages);

// Where report text goes on a page of `device`: its printable width, and its height less the
// blank line and the page-number line at the foot.
ReportLayout ReportTextLayout(const QPaintDevice& device);

// Report texts are 8-bit characters; each byte becomes one character.
QStringList ReportTexts(const std::vector<std::string>& texts);

// A chart page after the report pages: its title, a caption under it and the picture, scaled
// to the page.
struct ReportPicture {
    QString title;
    QString caption;
    QImage image;
};

// Paints the texts in order on `device`, whose first page `painter` has already begun, each
// page numbered at its foot ("Page 2 of 5"). Returns false as soon as a new page cannot be
// started; nothing more is drawn then.
bool PaintReport(QPainter& painter, QPagedPaintDevice& device, const QStringList& texts,
                 const std::vector<ReportPicture>& pictures = {});

// Writes the texts to a PDF file at `path`, paginated as for printing. The file is replaced
// only by a complete document; on failure the previous file is untouched, the result is false
// and `reason` (when given) receives why ("No space left on device"). Needs a
// QGuiApplication; when the process has no application object at all, an off-screen one is
// made for the call.
bool WriteReportPdf(const QStringList& texts, const QString& path, std::string* reason = nullptr);
bool WriteReportPdf(const std::vector<std::string>& texts, const QString& path,
                    std::string* reason = nullptr);
// The same with one page per picture after the report pages, numbered with them.
bool WriteReportPdf(const std::vector<std::string>& texts,
                    const std::vector<ReportPicture>& pictures, const QString& path,
                    std::string* reason = nullptr);

}  // namespace vnk::print
