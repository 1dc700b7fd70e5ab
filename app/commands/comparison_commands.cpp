#include "app/commands/comparison_commands.h"

#include <QApplication>

#include "app/kit/prompter.h"
#include "app/screens/execution/model_comparison_screen.h"
#include "app/shell/main_frame.h"

namespace vnk::app {

void ShowModelComparison(CMainFrame& frame, const execution::ModelComparison& comparison,
                         const std::string& reportHeader) {
    Prompter& prompter = frame.prompter();
    // The summary that opened it is the active window: the screen sits over it.
    QWidget* parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                        : static_cast<QWidget*>(&frame);
    ModelComparisonScreen* shown = nullptr;
    ModelComparisonScreen screen(
        prompter, comparison,
        [&] {
            PrintPages(prompter, {execution::ModelComparisonReport(comparison, reportHeader)},
                       shown);
        },
        parent);
    shown = &screen;
    prompter.exec(screen);
}

}  // namespace vnk::app
