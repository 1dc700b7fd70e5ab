// "Model Comparison": the fitted models of the last execution by AIC with their likelihood,
// criteria, predictive squared error and applicability rank, and the recommended model.
#pragma once

#include <functional>

#include "app/kit/screen.h"
#include "execution/model_comparison.h"

class QLabel;
class QTableWidget;

namespace vnk::app {

class ModelComparisonScreen : public Screen {
    Q_OBJECT
  public:
    // `print` prints the comparison page.
    ModelComparisonScreen(Prompter& prompter, const execution::ModelComparison& comparison,
                          std::function<void()> print, QWidget* parent = nullptr);

    QTableWidget* table() const { return table_; }
    QLabel* recommendation() const { return recommendation_; }

  private:
    QTableWidget* table_ = nullptr;
    QLabel* recommendation_ = nullptr;
};

// The table's column headings, in order.
QStringList ModelComparisonHeadings();

}  // namespace vnk::app
