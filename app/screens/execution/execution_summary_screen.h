// "Execution Summary for Software Time Models": the ranks and the main estimates of every
// model of the last execution, coloured by model status, with the data statistics beside them.
// A header's tooltip says in plain words why its model gave no estimates; a rank's tooltip how
// many refits its analysis skipped.
#pragma once

#include <QColor>
#include <array>
#include <functional>
#include <optional>

#include "app/kit/screen.h"
#include "execution/tbf_results.h"

class QLineEdit;
class QPushButton;

namespace vnk::app {
class Prompter;
}

namespace vnk::screens {

struct ExecutionSummaryActions {
    // Opens the result screen of a slot, or its error screen when the model failed.
    std::function<void(int slot)> openModel;
    // Opens the applicability plots of a measure (execution::Measure).
    std::function<void(int measure)> measurePlot;
    std::function<void()> plot;
    std::function<void()> print;
    std::function<void()> help;
    // Opens the model comparison; without it the summary has no Comparison button.
    std::function<void()> compare;
};

// Fill of a model's header button: green for success, yellow for kept results with a warning,
// red for a failed or skipped model, grey for a model that was not selected.
QColor HeaderFill(bool executed, int status);
// A model's column heading ("MS-B"), as the summary plot's legend names it too.
const char* HeaderText(int slot);
// The estimate a summary row shows for a slot, or nullopt for "n/a". Rows 0..7 are result
// positions 5..12, row 8 the Kolmogorov distance.
std::optional<double> SummaryValue(const execution::TbfExecutionResults& results, int slot,
                                   int row);
inline constexpr int kSummaryValueRows = 9;

class ExecutionSummaryScreen : public app::Screen {
    Q_OBJECT
  public:
    ExecutionSummaryScreen(const execution::TbfExecutionResults& results, app::Prompter& prompter,
                           ExecutionSummaryActions actions, QWidget* parent = nullptr);

    QPushButton* headerButton(int slot) const {
        return headers_.at(static_cast<std::size_t>(slot));
    }
    // Row buttons: the four measures, then "Overall".
    QPushButton* rowButton(int row) const { return rowButtons_.at(static_cast<std::size_t>(row)); }
    // The rank cell of a slot for columns Accuracy, Bias, Noise, Trend, Overall.
    QLineEdit* rankCell(int slot, int column) const;
    // A value cell, or null where the model has no such quantity ("n/a").
    QLineEdit* valueCell(int slot, int row) const;
    QLineEdit* statisticCell(int index) const {
        return statistics_.at(static_cast<std::size_t>(index));
    }
    QPushButton* plotButton() const { return plot_; }
    QPushButton* printButton() const { return print_; }

  private:
    void openMeasure(int measure);

    const execution::TbfExecutionResults& results_;
    ExecutionSummaryActions actions_;
    int overallRankSum_ = 0;
    std::array<QPushButton*, execution::kTbfSlotCount> headers_{};
    std::array<QPushButton*, 5> rowButtons_{};
    std::array<std::array<QLineEdit*, 5>, execution::kTbfSlotCount> ranks_{};
    std::array<std::array<QLineEdit*, kSummaryValueRows>, execution::kTbfSlotCount> values_{};
    std::array<QLineEdit*, 11> statistics_{};
    QPushButton* plot_ = nullptr;
    QPushButton* print_ = nullptr;
};

}  // namespace vnk::screens
