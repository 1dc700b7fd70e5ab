// The printing facility behind every "Print" button: the print screen, then the report texts
// paginated onto the chosen printer. Cancel prints nothing; a job that cannot be started or
// whose page cannot be started is abandoned without a message, as the caller expects nothing.
#pragma once

#include <QStringList>
#include <functional>
#include <string>
#include <vector>

#include "print/report_pages.h"

class QPrinter;
class QWidget;

namespace vnk::print {

// Lets the user choose and set up the printer. Returns false when the user cancels. Tests
// answer it without a screen.
using PrinterPrompter = std::function<bool(QPrinter& printer, QWidget* parent)>;

// The system print screen: no page range, no selection, printing to a file allowed (the
// portable path on a machine without a printer).
PrinterPrompter SystemPrintScreen();
// The same screen offering, on a "Report" tab, "Plain report" (chosen at first) or "Report with
// charts"; `withCharts` receives the choice.
PrinterPrompter SystemPrintScreen(bool* withCharts);

// Prints the texts, each from a new page. With showPrintScreen the prompter is asked first;
// without it the default printer is used as it is set up.
void PrintReport(const QStringList& texts, bool showPrintScreen, QWidget* parent = nullptr,
                 const PrinterPrompter& prompter = SystemPrintScreen());
void PrintReport(const std::vector<std::string>& texts, bool showPrintScreen,
                 QWidget* parent = nullptr, const PrinterPrompter& prompter = SystemPrintScreen());

// Prints the texts on a printer already set up. Returns whether every page was finished; a job
// that fails part way is aborted.
bool PrintOn(QPrinter& printer, const QStringList& texts,
             const std::vector<ReportPicture>& pictures = {});

}  // namespace vnk::print
