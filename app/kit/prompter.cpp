#include "app/kit/prompter.h"

#include <QDialog>
#include <QFileDialog>
#include <QPrinter>

#include "app/kit/dialog_geometry.h"
#include "app/kit/messages.h"
#include "app/shell/help_window.h"
#include "print/print_report.h"

namespace vnk::app {

namespace {

QString captionOr(const QString& caption) {
    return caption.isEmpty() ? QString::fromLatin1(text::kAppTitle) : caption;
}

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Stop:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void Prompter::error(QWidget* parent, const QString& text, const QString& caption) {
    message(parent, {captionOr(caption), text, MessageIcon::Stop, QMessageBox::Ok});
}

void Prompter::exclamation(QWidget* parent, const QString& text, const QString& caption) {
    message(parent, {captionOr(caption), text, MessageIcon::Exclamation, QMessageBox::Ok});
}

void Prompter::information(QWidget* parent, const QString& text, const QString& caption) {
    message(parent, {captionOr(caption), text, MessageIcon::Information, QMessageBox::Ok});
}

QMessageBox::StandardButton Prompter::question(QWidget* parent, const QString& text,
                                               QMessageBox::StandardButtons buttons,
                                               const QString& caption) {
    return message(parent, {captionOr(caption), text, MessageIcon::Question, buttons});
}

QMessageBox::StandardButton WidgetPrompter::message(QWidget* parent, const Message& m) {
    // Some texts carry the carriage returns of their original form; a label wants line feeds.
    QString shown = m.text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox box(boxIcon(m.icon), m.caption, shown, m.buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

int WidgetPrompter::exec(QDialog& screen) {
    screens::PrepareModalScreen(screen);
    return screen.exec();
}

QString WidgetPrompter::openFileName(QWidget* parent, const FileChoice& choice) {
    QFileDialog dialog(parent, choice.caption, QString(), choice.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

QString WidgetPrompter::saveFileName(QWidget* parent, const FileChoice& choice) {
    QFileDialog dialog(parent, choice.caption, QString(), choice.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(choice.defaultSuffix);
    dialog.setOption(QFileDialog::ReadOnly, false);
    // Overwriting an existing file is confirmed by the screen itself.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

void WidgetPrompter::help(QWidget* from, const QString& page) {
    // A window opened beside a modal screen must belong to that screen, or the screen's
    // modality would block it; from the main window it is the one long-lived help window.
    QWidget* owner = from ? from->window() : nullptr;
    if (!help_ || help_->parentWidget() != owner) {
        help_ = new HelpWindow(owner);
        help_->setAttribute(Qt::WA_DeleteOnClose);
    }
    help_->showPage(page);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

bool WidgetPrompter::setUpPrinter(QPrinter& printer, QWidget* parent) {
    if (!defaultPrintFile_.isEmpty() && printer.outputFileName().isEmpty())
        printer.setOutputFileName(defaultPrintFile_);
    return print::SystemPrintScreen()(printer, parent);
}

bool Prompter::setUpReportPrinter(QPrinter& printer, QWidget* parent, bool& withCharts) {
    withCharts = false;
    return setUpPrinter(printer, parent);
}

bool WidgetPrompter::setUpReportPrinter(QPrinter& printer, QWidget* parent, bool& withCharts) {
    if (!defaultPrintFile_.isEmpty() && printer.outputFileName().isEmpty())
        printer.setOutputFileName(defaultPrintFile_);
    return print::SystemPrintScreen(&withCharts)(printer, parent);
}

void PrintPages(Prompter& prompter, const std::vector<std::string>& pages, QWidget* parent,
                const ChartPages& charts) {
    if (!charts) {
        PrintPages(prompter, pages, parent);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageMargins(print::ReportMargins(), QPageLayout::Point);
    bool withCharts = false;
    if (!prompter.setUpReportPrinter(printer, parent, withCharts)) return;
    print::PrintOn(printer, print::ReportTexts(pages),
                   withCharts ? charts() : std::vector<print::ReportPicture>{});
}

void PrintPages(Prompter& prompter, const std::vector<std::string>& pages, QWidget* parent) {
    print::PrintReport(pages, true, parent, [&prompter](QPrinter& printer, QWidget* p) {
        return prompter.setUpPrinter(printer, p);
    });
}

}  // namespace vnk::app
