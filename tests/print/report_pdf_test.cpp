// Report pagination, checked on written PDFs: pages counted by pdfinfo, text read back by
// pdftotext, positions and fonts by the other poppler tools.
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>

#include "pdf_probe.h"
#include "print/report_layout.h"
#include "print/report_pages.h"

using namespace vnk::print;
using vnk::test::PdfInfo;
using vnk::test::PdfPages;
using vnk::test::PdfText;
using vnk::test::PdfTextWithPageNumbers;
using vnk::test::RunTool;
using vnk::test::WithoutWhitespace;

namespace {

QString Lines(int count, const QString& prefix = QStringLiteral("LINE")) {
    QString text;
    for (int i = 1; i <= count; ++i) text += QStringLiteral("%1 %2\n").arg(prefix).arg(i);
    return text;
}

// A run of letters and digits without blanks, so any lost character shows.
QString UnbrokenLine(int length) {
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    QString s;
    for (int i = 0; i < length; ++i) s += alphabet[(i * 7 + i / 36) % alphabet.size()];
    return s;
}

}  // namespace

class ReportPdfTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("poppler-utils (pdfinfo, pdftotext) are not installed");
        QVERIFY(dir_.isValid());
    }

    void shortTextTakesOnePage() {
        const QString path = dir_.filePath(QStringLiteral("short.pdf"));
        QVERIFY(WriteReportPdf(
            QStringList{QStringLiteral("    GEOMETRIC MODEL\n\n  Estimate 1.25\n")}, path));
        QCOMPARE(PdfPages(path), 1);
        QCOMPARE(PdfInfo(path, QStringLiteral("Title")), QStringLiteral("Varnok 3"));
        QVERIFY(PdfText(path).contains(QStringLiteral("GEOMETRIC MODEL")));
    }

    // Each text begins at the top of a page of its own.
    void everyTextStartsANewPage() {
        const QString path = dir_.filePath(QStringLiteral("four.pdf"));
        const QStringList texts{QStringLiteral("FIRST REPORT\nmore\n"),
                                QStringLiteral("SECOND REPORT\n"), QStringLiteral("THIRD REPORT\n"),
                                QStringLiteral("FOURTH REPORT")};
        QVERIFY(WriteReportPdf(texts, path));
        QCOMPARE(PdfPages(path), 4);
        for (int page = 1; page <= 4; ++page) {
            const QString text = PdfText(path, page, page).trimmed();
            QVERIFY2(text.startsWith(texts[page - 1].section(QLatin1Char('\n'), 0, 0)),
                     qPrintable(text));
        }
        // A long text runs over pages of its own; the next still starts a fresh page.
        const QString longer = dir_.filePath(QStringLiteral("longer.pdf"));
        QVERIFY(WriteReportPdf(QStringList{Lines(200), QStringLiteral("AFTER")}, longer));
        const int pages = PdfPages(longer);
        QVERIFY(pages >= 4);
        QCOMPARE(PdfText(longer, pages, pages).trimmed(), QStringLiteral("AFTER"));
        QCOMPARE(WithoutWhitespace(PdfText(longer, 1, pages - 1)), WithoutWhitespace(Lines(200)));
    }

    // Exactly as many lines as fit stay on one page; one more line needs a second page.
    void fullPageStaysOnOnePage() {
        int fitting = 0;
        {
            // Measure on a writer set up as WriteReportPdf sets its own up.
            QPdfWriter writer(dir_.filePath(QStringLiteral("probe.pdf")));
            writer.setPageLayout(ReportPdfPageLayout());
            const ReportLayout layout = ReportTextLayout(writer);
            while (layout.fits(Lines(fitting + 1))) ++fitting;
        }
        QVERIFY(fitting > 40);
        const QString full = dir_.filePath(QStringLiteral("full.pdf"));
        QVERIFY(WriteReportPdf(QStringList{Lines(fitting)}, full));
        QCOMPARE(PdfPages(full), 1);
        const QString over = dir_.filePath(QStringLiteral("over.pdf"));
        QVERIFY(WriteReportPdf(QStringList{Lines(fitting + 1)}, over));
        QCOMPARE(PdfPages(over), 2);
        QCOMPARE(PdfText(over, 2, 2).trimmed(), QStringLiteral("LINE %1").arg(fitting + 1));
        // Each page names its number and the count at its foot, below the text and inside
        // the bottom margin's edge.
        const QString foot = PdfTextWithPageNumbers(over, 2, 2);
        QVERIFY2(foot.trimmed().endsWith(QStringLiteral("Page 2 of 2")), qPrintable(foot));
        QVERIFY(PdfTextWithPageNumbers(over, 1, 1).contains(QStringLiteral("Page 1 of 2")));
        const QString box =
            RunTool(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                     QStringLiteral("-l"), QStringLiteral("1"), over, QStringLiteral("-")});
        // pdftotext -bbox: every word with its box in points; A4 is 841.89 points tall.
        const QRegularExpression word(
            QStringLiteral("yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\""));
        double top = 1e9, bottom = 0;
        for (auto it = word.globalMatch(box); it.hasNext();) {
            const auto m = it.next();
            top = std::min(top, m.captured(1).toDouble());
            bottom = std::max(bottom, m.captured(2).toDouble());
        }
        if (bottom > 0) {
            QVERIFY2(top >= 36.0 - 0.5, qPrintable(QString::number(top)));
            QVERIFY2(bottom <= 841.89 - 36.0 + 0.5, qPrintable(QString::number(bottom)));
        }
    }

    // A page exactly as tall as the text still takes all of it.
    void textAsTallAsThePageFits() {
        QPdfWriter writer(dir_.filePath(QStringLiteral("exact.pdf")));
        const ReportLayout measure(ReportFont(), &writer, QSizeF(writer.width(), 1e9));
        const qreal height = 10 * measure.lineHeight();
        const ReportLayout exact(ReportFont(), &writer, QSizeF(writer.width(), height));
        const QString ten = Lines(10);
        QVERIFY(exact.fits(ten));
        QVERIFY(!exact.fits(Lines(11)));
        QCOMPARE(exact.pageLength(ten, 0), ten.size());
        // From part way through, the rest still fits.
        QCOMPARE(exact.pageLength(ten, 5), ten.size() - 5);
        // A page too small for one line still takes a character, so printing ends.
        const ReportLayout tiny(ReportFont(), &writer, QSizeF(writer.width(), 1));
        QCOMPARE(tiny.pageLength(ten, 0), 1);
    }

    // 5000 characters without a blank wrap at the page width and every one is printed, inside
    // the page; a longer run crosses pages without losing a character at the break.
    void longUnbrokenLineWraps() {
        const QString line = UnbrokenLine(5000);
        const QString path = dir_.filePath(QStringLiteral("wide.pdf"));
        QVERIFY(WriteReportPdf(QStringList{line}, path));
        QCOMPARE(PdfPages(path), 1);
        QCOMPARE(WithoutWhitespace(PdfText(path)), line);

        // Every word box lies within the page.
        const QString boxes = RunTool(QStringLiteral("pdftotext"),
                                      {QStringLiteral("-bbox"), path, QStringLiteral("-")});
        const double pageWidth = QRegularExpression(QStringLiteral("<page width=\"([0-9.]+)\""))
                                     .match(boxes)
                                     .captured(1)
                                     .toDouble();
        QVERIFY(pageWidth > 500);
        QRegularExpressionMatchIterator it =
            QRegularExpression(QStringLiteral("xMax=\"([0-9.]+)\"")).globalMatch(boxes);
        int words = 0;
        for (; it.hasNext(); ++words) QVERIFY(it.next().captured(1).toDouble() <= pageWidth);
        QVERIFY(words > 20);

        const QString longer = UnbrokenLine(20000);
        const QString many = dir_.filePath(QStringLiteral("many.pdf"));
        QVERIFY(WriteReportPdf(QStringList{longer}, many));
        QVERIFY(PdfPages(many) >= 2);
        QCOMPARE(WithoutWhitespace(PdfText(many)), longer);
    }

    // A tab advances to the next multiple of eight columns: in 9-point Courier (an advance of
    // 0.6 em, 5.4 points) "A<tab>B" puts B 43.2 points to the right of A.
    void tabsExpandToEightColumns() {
        const QString path = dir_.filePath(QStringLiteral("tabs.pdf"));
        QVERIFY(WriteReportPdf(QStringList{QStringLiteral("A\tB\n")}, path));
        const QString boxes = RunTool(QStringLiteral("pdftotext"),
                                      {QStringLiteral("-bbox"), path, QStringLiteral("-")});
        auto xMinOf = [&](const QString& word) {
            const QRegularExpression re(QStringLiteral("xMin=\"([0-9.]+)\"[^>]*>%1<").arg(word));
            return re.match(boxes).captured(1).toDouble();
        };
        const double distance = xMinOf(QStringLiteral("B")) - xMinOf(QStringLiteral("A"));
        QVERIFY2(std::abs(distance - 43.2) < 0.5, qPrintable(QString::number(distance)));
    }

    // The print font is a fixed-pitch bold face: Courier New or its metric twin.
    void fixedPitchBoldFont() {
        const QFont font = ReportFont();
        QCOMPARE(font.pointSize(), 9);
        QCOMPARE(font.weight(), QFont::Bold);
        QVERIFY(QFontInfo(font).fixedPitch());
        const QString path = dir_.filePath(QStringLiteral("font.pdf"));
        QVERIFY(WriteReportPdf(std::vector<std::string>{"FONT CHECK\n"}, path));
        const QString fonts = RunTool(QStringLiteral("pdffonts"), {path});
        QVERIFY2(fonts.contains(QStringLiteral("CourierNew")) ||
                     fonts.contains(QStringLiteral("LiberationMono")),
                 qPrintable(fonts));
        QVERIFY2(fonts.contains(QStringLiteral("Bold")), qPrintable(fonts));
    }

    // Report bytes are 8-bit characters, one character each.
    void eightBitTexts() {
        const std::string text =
            "Caf\xe9 \xb1"
            "5\n";
        QCOMPARE(ReportTexts({text}).first(), QStringLiteral("Café ±5\n"));
    }

    void unwritablePathFails() {
        QVERIFY(!WriteReportPdf(QStringList{QStringLiteral("x")},
                                dir_.filePath(QStringLiteral("missing/report.pdf"))));
        QVERIFY(!WriteReportPdf(QStringList{QStringLiteral("x")}, QString()));
    }

  private:
    QTemporaryDir dir_;
};

QTEST_MAIN(ReportPdfTest)
#include "report_pdf_test.moc"
