// The printing facility through its print screen: the prompter decides, Cancel prints nothing,
// a job that cannot start is dropped quietly, and the real print screen is the one shown.
#include "print/print_report.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "pdf_probe.h"

using namespace vnk::print;
using vnk::test::PdfInfo;
using vnk::test::PdfPages;
using vnk::test::PdfText;

namespace {

// A prompter that chooses PDF output to `path` and answers `accept`.
PrinterPrompter ToFile(const QString& path, bool accept, int* asked = nullptr) {
    return [=](QPrinter& printer, QWidget*) {
        if (asked) ++*asked;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return accept;
    };
}

}  // namespace

class PrintReportTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("poppler-utils (pdfinfo, pdftotext) are not installed");
    }

    void printsEachTextOnItsOwnPage() {
        const QString path = dir_.filePath(QStringLiteral("printed.pdf"));
        int asked = 0;
        PrintReport(std::vector<std::string>{"FIRST\n", "SECOND\n"}, true, nullptr,
                    ToFile(path, true, &asked));
        QCOMPARE(asked, 1);
        QCOMPARE(PdfPages(path), 2);
        QCOMPARE(PdfText(path, 2, 2).trimmed(), QStringLiteral("SECOND"));
        QCOMPARE(PdfInfo(path, QStringLiteral("Title")), QStringLiteral("Varnok 3"));
    }

    void cancelPrintsNothing() {
        const QString path = dir_.filePath(QStringLiteral("cancelled.pdf"));
        PrintReport(QStringList{QStringLiteral("REPORT")}, true, nullptr, ToFile(path, false));
        QVERIFY(!QFile::exists(path));
    }

    // The job cannot start: nothing is written and nothing is said.
    void failedJobIsAbandonedQuietly() {
        const QString path = dir_.filePath(QStringLiteral("no/such/folder/report.pdf"));
        PrintReport(QStringList{QStringLiteral("REPORT")}, true, nullptr, ToFile(path, true));
        QVERIFY(!QFile::exists(path));
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        QVERIFY(!PrintOn(printer, {QStringLiteral("REPORT")}));
    }

    // Without the flag nobody is asked.
    void withoutThePrintScreenNobodyIsAsked() {
        int asked = 0;
        PrintReport(QStringList{QStringLiteral("REPORT")}, false, nullptr,
                    ToFile(dir_.filePath(QStringLiteral("unused.pdf")), true, &asked));
        QCOMPARE(asked, 0);
    }

    // The default prompter is the system print screen without page range or selection, with
    // printing to a file; closing it with Cancel prints nothing.
    void systemPrintScreenIsShown() {
        bool seen = false;
        QAbstractPrintDialog::PrintDialogOptions options;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            seen = true;
            options = dialog->options();
            dialog->reject();
        });
        QPrinter printer;
        const bool accepted = SystemPrintScreen()(printer, nullptr);
        QVERIFY(seen);
        QVERIFY(!accepted);
        QVERIFY(options.testFlag(QAbstractPrintDialog::PrintToFile));
        QVERIFY(!options.testFlag(QAbstractPrintDialog::PrintPageRange));
        QVERIFY(!options.testFlag(QAbstractPrintDialog::PrintSelection));
    }

  private:
    QTemporaryDir dir_;
};

QTEST_MAIN(PrintReportTest)
#include "print_report_test.moc"
