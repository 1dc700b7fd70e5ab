#include "app/commands/tbf_hardware_execution.h"

#include <QString>

#include "app/kit/prompter.h"
#include "app/screens/execution/hardware_screens.h"

namespace vnk::app {
namespace {

const QString kProjectionHelpPage = QStringLiteral("model_amsaa_crow");

// The engine asks for the total test time and the A-mode failures through this host.
class ProjectionInputsHost : public execution::ExecutionHost {
public:
    ProjectionInputsHost(Prompter& prompter, QWidget* parent)
        : prompter_(prompter), parent_(parent) {}

    void projectionInputs(execution::ProjectionInputsRequest& request) override {
        interval_screens::ProjectionInputsDialog screen(request, parent_);
        QObject::connect(&screen, &interval_screens::ProjectionInputsDialog::helpRequested,
                         &screen, [this] { prompter_.help(parent_, kProjectionHelpPage); });
        prompter_.exec(screen);
    }

private:
    Prompter& prompter_;
    QWidget* parent_;
};

}  // namespace

void RunTbfHardwareModels(const FailureDataSet& set, ProgramOptions& options,
                          const execution::HardwareSelection& selection, Prompter& prompter,
                          QWidget* parent) {
    ProjectionInputsHost host(prompter, parent);
    const execution::HardwareExecutionResults results =
        execution::RunTbfHardwareExecution(set, selection, options, host);
    for (const execution::ExecutionMessage& m : results.messages)
        prompter.message(parent, Message{QString::fromStdString(m.caption),
                                         QString::fromStdString(m.text), MessageIcon::Stop});
    const execution::ProjectionRun& projection = results.projection;
    if (!projection.ran || projection.ERRFLG != 0) return;
    auto screen = interval_screens::ProjectionResultScreen(projection.result, parent);
    QObject::connect(screen.get(), &interval_screens::HardwareResultScreen::helpRequested,
                     screen.get(), [&prompter, parent] { prompter.help(parent, kProjectionHelpPage); });
    prompter.exec(*screen);
}

}  // namespace vnk::app
