// "Execution Summary for Interval Software Models": per model column its header coloured by
// status, the accuracy rank, the total and remaining faults and the chi-square fits with and
// without cell combination; below, the statistics of the counts and lengths. A header's
// tooltip says in plain words why its model gave no estimates; a rank's tooltip how many
// refits its analysis skipped.
#pragma once

#include <array>
#include <functional>

#include "app/kit/screen.h"
#include "execution/interval_results.h"

class QLineEdit;
class QPushButton;

namespace vnk::interval_screens {

class HeaderButton;

struct IntervalSummaryActions {
    // Opens the result screen of a slot, or its error screen when the model failed.
    std::function<void(int slot)> openModel;
    // Opens the "Accuracy Analysis" plots.
    std::function<void()> accuracyPlot;
    std::function<void()> plot;
    std::function<void()> print;
    std::function<void()> help;
    // Opens the model comparison; without it the summary has no Comparison button.
    std::function<void()> compare;
};

// Whether the accuracy analysis of entry `entry` (order of execution::kAccuracySlots) ran in
// this execution, and whether it ran and succeeded. An analysis that never ran keeps a zero
// return flag but has nothing to show.
bool AccuracyAnalysisRan(const execution::IntervalExecutionResults& results, int entry);
bool AccuracyAnalysisSucceeded(const execution::IntervalExecutionResults& results, int entry);

// Value rows of the model columns.
enum SummaryRow : int {
    kTnofRow = 0,
    kTnofrRow,
    kChiSquareCombinedRow,
    kFreedomCombinedRow,
    kChiSquareRow,
    kFreedomRow
};
inline constexpr int kSummaryRowCount = 6;

class IntervalSummaryScreen : public app::Screen {
    Q_OBJECT
  public:
    IntervalSummaryScreen(const execution::IntervalExecutionResults& results,
                          app::Prompter& prompter, IntervalSummaryActions actions,
                          QWidget* parent = nullptr);

    HeaderButton* headerButton(int slot) const {
        return headers_.at(static_cast<std::size_t>(slot));
    }
    // Whether a column's model was part of this execution (its header is live).
    bool columnActive(int slot) const { return active_.at(static_cast<std::size_t>(slot)); }
    QPushButton* accuracyButton() const { return accuracy_; }
    // The accuracy rank of a slot; null for the slots shown as "n/a".
    QLineEdit* rankCell(int slot) const { return ranks_.at(static_cast<std::size_t>(slot)); }
    QLineEdit* valueCell(int slot, int row) const;
    // Counts: the eleven statistics; lengths: the first six (sum to maximum).
    QLineEdit* countStatistic(int index) const {
        return counts_.at(static_cast<std::size_t>(index));
    }
    QLineEdit* lengthStatistic(int index) const {
        return lengths_.at(static_cast<std::size_t>(index));
    }
    QPushButton* plotsButton() const { return plots_; }
    QPushButton* printButton() const { return print_; }
    QPushButton* helpButton() const { return help_; }
    QPushButton* okButton() const { return ok_; }

  private:
    void openAccuracy();

    const execution::IntervalExecutionResults& results_;
    IntervalSummaryActions actions_;
    std::array<bool, execution::kIntervalSlotCount> active_{};
    std::array<HeaderButton*, execution::kIntervalSlotCount> headers_{};
    std::array<QLineEdit*, execution::kIntervalSlotCount> ranks_{};
    std::array<std::array<QLineEdit*, kSummaryRowCount>, execution::kIntervalSlotCount> values_{};
    std::array<QLineEdit*, 11> counts_{};
    std::array<QLineEdit*, 6> lengths_{};
    QPushButton* accuracy_ = nullptr;
    QPushButton* plots_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* help_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace vnk::interval_screens
