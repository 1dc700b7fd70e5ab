#include "print/print_report.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "print/report_pages.h"

namespace vnk::print {

PrinterPrompter SystemPrintScreen() {
    return [](QPrinter& printer, QWidget* parent) {
        QPrintDialog dialog(&printer, parent);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        return dialog.exec() == QDialog::Accepted;
    };
}

bool PrintOn(QPrinter& printer, const QStringList& texts) {
    printer.setDocName(QString::fromLatin1(kDocumentName));
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    if (!PaintReport(painter, printer, texts)) {
        printer.abort();
        painter.end();
        return false;
    }
    return painter.end();
}

void PrintReport(const QStringList& texts, bool showPrintScreen, QWidget* parent,
                 const PrinterPrompter& prompter) {
    QPrinter printer(QPrinter::HighResolution);
    // Report margins unless the user sets others on the print screen.
    printer.setPageMargins(ReportMargins(), QPageLayout::Point);
    if (showPrintScreen && (!prompter || !prompter(printer, parent))) return;
    PrintOn(printer, texts);
}

void PrintReport(const std::vector<std::string>& texts, bool showPrintScreen, QWidget* parent,
                 const PrinterPrompter& prompter) {
    PrintReport(ReportTexts(texts), showPrintScreen, parent, prompter);
}

}  // namespace vnk::print
