#include "app/commands/tbf_execution_controller.h"

#include <QDialog>

#include "app/kit/prompter.h"
#include "app/screens/execution/processing_status_screen.h"
#include "app/screens/execution/tbf_selection_screen.h"
#include "execution/model_execution_command.h"

namespace vnk::screens {

namespace {

// Every path out of the command leaves maximum likelihood as the numerical method.
struct MethodReset {
    ProgramOptions& options;
    ~MethodReset() { execution::EndModelExecutionCommand(options); }
};

execution::TbfSelection EngineSelection(const execution::TbfSelectionState& chosen,
                                        const execution::MeasureSelection& measures,
                                        const execution::ApplicabilityRange& range) {
    execution::TbfSelection s;
    // Both tables are kept by slot in the same order.
    s.models = chosen.models;
    s.selectAllModels = chosen.selectAll;
    s.applicability = chosen.applicability;
    s.measures = measures.measures;
    s.selectAllMeasures = measures.selectAll;
    s.NSB = range.NSB;
    s.NSE = range.NSE;
    return s;
}

}  // namespace

std::optional<execution::TbfExecutionResults> RunTbfModelExecution(const FailureDataSet& set,
                                                                   ProgramOptions& options,
                                                                   app::Prompter& prompter,
                                                                   const TbfExecutionSeams& seams,
                                                                   QWidget* parent) {
    MethodReset reset{options};
    if (!set.isComplete()) {
        prompter.message(parent,
                         app::Message{QStringLiteral("Error"),
                                      QString::fromLatin1(execution::kModelExecutionPrecondition),
                                      app::MessageIcon::Stop});
        return std::nullopt;
    }

    execution::TbfSelectionState chosen;
    for (;;) {
        TbfSelectionScreen screen(prompter, set.errorHistory, options.numericalMethod,
                                  seams.statistics, parent);
        screen.setHardwareFieldsPresent(set.hardwareFieldsPresent);
        if (prompter.exec(screen) != QDialog::Accepted) return std::nullopt;
        chosen = screen.selection();
        // Hardware data always go to the hardware branch, which itself says when nothing it
        // can run was chosen; system data go there once a hardware or system box is ticked.
        if (chosen.modelClass == execution::ModelClass::Hardware) {
            seams.hardware(execution::HardwareChoice(chosen));
            return std::nullopt;
        }
        if (execution::AnySoftwareModelChosen(chosen)) break;
        const app::Message noModel{
            QStringLiteral("Error"), QStringLiteral("You must select a model to execute"),
            app::MessageIcon::Exclamation, QMessageBox::Ok | QMessageBox::Cancel};
        if (prompter.message(parent, noModel) != QMessageBox::Ok) return std::nullopt;
    }

    execution::MeasureSelection measures;
    execution::ApplicabilityRange range = execution::DefaultApplicabilityRange(set.tbfCount);
    if (chosen.applicability) {
        MeasureScreen measureScreen(prompter, parent);
        measureScreen.setSkipFailedRefits(options.skipFailedRefits);
        if (prompter.exec(measureScreen) != QDialog::Accepted) return std::nullopt;
        measures = measureScreen.selection();
        // The screen's box and the Setup menu item are the one option.
        options.skipFailedRefits = measureScreen.skipFailedRefits();
        RangeScreen rangeScreen(set.tbfCount, prompter, parent);
        if (prompter.exec(rangeScreen) != QDialog::Accepted) return std::nullopt;
        range = rangeScreen.range();
    }

    const execution::TbfSelection selection = EngineSelection(chosen, measures, range);
    ProcessingStatusScreen status(prompter, selection, options.numericalMethod, parent);
    status.setLavStartingValues(seams.lavStartingValues);
    status.show();
    execution::TbfExecutionResults results = seams.run(selection, options, status);
    status.accept();
    return results;
}

}  // namespace vnk::screens
