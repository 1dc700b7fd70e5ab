#include "print/print_report.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vnk::print {

PrinterPrompter SystemPrintScreen() { return SystemPrintScreen(nullptr); }

PrinterPrompter SystemPrintScreen(bool* withCharts) {
    return [withCharts](QPrinter& printer, QWidget* parent) {
        QPrintDialog dialog(&printer, parent);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        QRadioButton* charts = nullptr;
        if (withCharts) {
            auto* tab = new QWidget;
            tab->setWindowTitle(QStringLiteral("Report"));
            auto* plain = new QRadioButton(QStringLiteral("Plain report"), tab);
            plain->setObjectName(QStringLiteral("plainReport"));
            plain->setChecked(true);
            charts = new QRadioButton(QStringLiteral("Report with charts"), tab);
            charts->setObjectName(QStringLiteral("reportWithCharts"));
            auto* layout = new QVBoxLayout(tab);
            layout->addWidget(plain);
            layout->addWidget(charts);
            layout->addStretch(1);
            dialog.setOptionTabs({tab});  // the dialog owns the tab from here
        }
        const bool accepted = dialog.exec() == QDialog::Accepted;
        if (withCharts) *withCharts = accepted && charts->isChecked();
        return accepted;
    };
}

bool PrintOn(QPrinter& printer, const QStringList& texts,
             const std::vector<ReportPicture>& pictures) {
    printer.setDocName(QString::fromLatin1(kDocumentName));
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    if (!PaintReport(painter, printer, texts, pictures)) {
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
