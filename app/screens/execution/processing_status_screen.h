// "Processing Status Report of Selected Applicability Analyses and Models": one check box per
// model and step, ticked as the engine finishes each step, and the overall progress. The
// screen is the engine's host while it runs, and keeps painting between steps.
#pragma once

#include <array>
#include <functional>

#include "app/kit/screen.h"
#include "execution/host.h"
#include "execution/tbf_results.h"

class QCheckBox;
class QLabel;
class QProgressBar;

namespace vnk::screens {

class ProcessingStatusScreen : public app::Screen, public execution::ExecutionHost {
    Q_OBJECT
  public:
    // Columns of the boxes: the four measures, then the model estimation.
    static constexpr int kColumns = execution::kMeasureCount + 1;
    static constexpr int kModelsColumn = execution::kMeasureCount;

    ProcessingStatusScreen(app::Prompter& prompter, const execution::TbfSelection& selection,
                           int method, QWidget* parent = nullptr);

    // The box of a model slot (execution::TbfSlot) and column.
    QCheckBox* box(int slot, int column) const;
    QLabel* rowLabel(int slot) const { return rows_.at(static_cast<std::size_t>(slot)); }
    QLabel* columnLabel(int column) const { return columns_.at(static_cast<std::size_t>(column)); }
    QProgressBar* progress() const { return progress_; }
    // Steps the selection will run: per executed model its selected measures and estimation.
    int totalSteps() const { return totalSteps_; }

    // Answers the starting-value request of the Littlewood and Verrall models; without it the
    // computed values are used.
    void setLavStartingValues(std::function<void(execution::LavStartRequest&)> ask) {
        lavStart_ = std::move(ask);
    }

    void lavStartingValues(execution::LavStartRequest& request) override;
    // The engine cannot be interrupted: Escape and the close box do nothing. The caller
    // closes the screen with accept() when the execution has returned.
    void reject() override {}
    void stepStarted(int row, int column) override;
    void stepFinished(int row, int column) override;

  private:
    std::array<std::array<QCheckBox*, kColumns>, execution::kTbfSlotCount> boxes_{};
    std::array<QLabel*, execution::kTbfSlotCount> rows_{};
    std::array<QLabel*, kColumns> columns_{};
    QProgressBar* progress_ = nullptr;
    int totalSteps_ = 0;
    std::function<void(execution::LavStartRequest&)> lavStart_;
};

}  // namespace vnk::screens
