// The one seam through which the program shows a message box, runs a modal screen, asks for a
// file or opens help. The application answers with real windows; tests answer with scripts, so
// no test needs a timer to close a dialog.
#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "print/report_pages.h"

class QDialog;
class QPrinter;
class QWidget;

namespace vnk::app {

enum class MessageIcon { None, Information, Question, Exclamation, Stop };

struct Message {
    QString caption;
    QString text;
    MessageIcon icon = MessageIcon::None;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
};

// A system file screen: its caption, filter (Qt form, e.g. "Varnok Data (*.V3D);;All Files
// (*)") and, for saving, the extension added when the name has none.
struct FileChoice {
    QString caption;
    QString filter;
    QString defaultSuffix;
};

class Prompter {
  public:
    virtual ~Prompter() = default;

    // Shows a modal message box and returns the button pressed.
    virtual QMessageBox::StandardButton message(QWidget* parent, const Message& message) = 0;
    // Runs a modal screen to its end and returns its result (QDialog::Accepted or Rejected,
    // or the code given to done()).
    virtual int exec(QDialog& screen) = 0;
    // The path chosen on an open or save screen; empty when cancelled.
    virtual QString openFileName(QWidget* parent, const FileChoice& choice) = 0;
    virtual QString saveFileName(QWidget* parent, const FileChoice& choice) = 0;
    // Opens the program's help at `page` (a page name of the help contents).
    virtual void help(QWidget* from, const QString& page) = 0;
    // The print screen: chooses and sets up `printer`; false when cancelled.
    virtual bool setUpPrinter(QPrinter& printer, QWidget* parent) = 0;
    // The print screen of a report that has charts, offering the plain report or the report
    // with charts; `withCharts` receives the choice. Without an answer of its own: the plain
    // print screen and the plain report.
    virtual bool setUpReportPrinter(QPrinter& printer, QWidget* parent, bool& withCharts);

    // Shorthands for the common boxes; the caption defaults to the application title.
    void error(QWidget* parent, const QString& text, const QString& caption = {});
    void exclamation(QWidget* parent, const QString& text, const QString& caption = {});
    void information(QWidget* parent, const QString& text, const QString& caption = {});
    QMessageBox::StandardButton question(QWidget* parent, const QString& text,
                                         QMessageBox::StandardButtons buttons,
                                         const QString& caption = {});

    // The file the print screen offers when printing to a file (the data file's folder and
    // name with ".pdf"); empty: the print screen's own choice.
    void setDefaultPrintFile(const QString& path) { defaultPrintFile_ = path; }
    const QString& defaultPrintFile() const { return defaultPrintFile_; }

  protected:
    QString defaultPrintFile_;
};

class HelpWindow;

// The prompter of the running program: real message boxes, modal dialogs and file screens.
class WidgetPrompter : public Prompter {
  public:
    QMessageBox::StandardButton message(QWidget* parent, const Message& message) override;
    int exec(QDialog& screen) override;
    QString openFileName(QWidget* parent, const FileChoice& choice) override;
    QString saveFileName(QWidget* parent, const FileChoice& choice) override;
    void help(QWidget* from, const QString& page) override;
    bool setUpPrinter(QPrinter& printer, QWidget* parent) override;
    bool setUpReportPrinter(QPrinter& printer, QWidget* parent, bool& withCharts) override;

  private:
    QPointer<HelpWindow> help_;
};

// Prints report pages, each from a new page, after the prompter's print screen.
void PrintPages(Prompter& prompter, const std::vector<std::string>& pages, QWidget* parent);

// The chart pages of a report, drawn only when the report with charts is chosen.
using ChartPages = std::function<std::vector<print::ReportPicture>()>;
// The same with the choice of the report with charts: one page per chart after the report
// pages, numbered with them.
void PrintPages(Prompter& prompter, const std::vector<std::string>& pages, QWidget* parent,
                const ChartPages& charts);

}  // namespace vnk::app
