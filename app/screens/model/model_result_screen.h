// One result screen for every model: the description says which estimate rows, prediction
// questions and report texts the model has, the context holds the last execution's values.
#pragma once

#include <vector>

#include "app/kit/screen.h"
#include "app/screens/model/model_screen_actions.h"
#include "models/model_description.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace vnk::app {
class Prompter;
}

namespace vnk::screens {

class EstimateTable;
class ModelResultScreen : public app::Screen {
    Q_OBJECT
  public:
    ModelResultScreen(const models::ModelDescription& description, models::ModelContext context,
                      app::Prompter& prompter, ModelScreenActions actions,
                      QWidget* parent = nullptr);

    EstimateTable* estimates() const { return table_; }
    QLineEdit* input(int question, int index) const;
    QLineEdit* output(int question, int index) const;
    int questionCount() const { return static_cast<int>(inputs_.size()); }
    QPushButton* runButton() const { return run_; }
    QPushButton* printButton() const { return print_; }
    QPushButton* plotsButton() const { return plots_; }
    QPushButton* helpButton() const { return help_; }
    QPushButton* okButton() const { return ok_; }
    // "estimated with the robust search" under the estimates; null in the standard mode.
    QLabel* robustMark() const { return robustMark_; }
    // The caller's further buttons (ModelScreenActions::extraButtons), in their order.
    QPushButton* extraButton(int index) const { return extra_.at(static_cast<std::size_t>(index)); }

    // The prediction inputs and outputs as the boxes hold them.
    models::PredictionValues predictionValues() const;
    // Header, estimation block and, for nonzero inputs, the prediction lines.
    std::string reportText() const;

  public slots:
    // Answers every question independently; each may show its own message.
    void runPredictions();

  private:
    void addPredictionLine(const models::PredictionQuestion& question, int number,
                           QVBoxLayout& into);

    const models::ModelDescription& description_;
    models::ModelContext context_;
    ModelScreenActions actions_;
    EstimateTable* table_ = nullptr;
    QLabel* robustMark_ = nullptr;
    std::vector<std::vector<QLineEdit*>> inputs_;
    std::vector<std::vector<QLineEdit*>> outputs_;
    std::vector<std::vector<double>> outputValues_;
    QPushButton* run_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* plots_ = nullptr;
    QPushButton* help_ = nullptr;
    QPushButton* ok_ = nullptr;
    std::vector<QPushButton*> extra_;
};

}  // namespace vnk::screens
