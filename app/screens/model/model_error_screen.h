// The screen a model opens instead of its results when the estimation failed: the estimate
// rows as far as they were computed, the error heading and the error text, and under it why
// the model gave no estimates in plain words.
#pragma once

#include "app/kit/screen.h"
#include "app/screens/model/model_screen_actions.h"
#include "models/model_description.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vnk::screens {

class EstimateTable;

class ModelErrorScreen : public app::Screen {
    Q_OBJECT
  public:
    ModelErrorScreen(const models::ModelDescription& description, models::ModelContext context,
                     app::Prompter& prompter, ModelScreenActions actions,
                     QWidget* parent = nullptr);

    EstimateTable* estimates() const { return table_; }
    QPlainTextEdit* errorBox() const { return errorBox_; }
    // The plain reason under the error text; null when the context gives none.
    QLabel* reasonLabel() const { return reason_; }
    QPushButton* printButton() const { return print_; }
    QPushButton* helpButton() const { return help_; }
    QPushButton* okButton() const { return ok_; }

    // Header, estimation block, "    ERRORS OCCURRED" and the error text.
    std::string reportText() const;

  private:
    const models::ModelDescription& description_;
    models::ModelContext context_;
    ModelScreenActions actions_;
    std::string errorText_;
    EstimateTable* table_ = nullptr;
    QPlainTextEdit* errorBox_ = nullptr;
    QLabel* reason_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* help_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace vnk::screens
