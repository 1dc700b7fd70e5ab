// "Interval Software Models Processing Status": one row per interval model slot with an
// "Accuracy" box (for the six models that have an accuracy analysis) and a "Models" box,
// ticked as the engine finishes each step, and the overall progress. The screen is the
// engine's host while it runs: it keeps painting between steps and opens the initial-estimate
// and optimum S screens through the prompter.
#pragma once

#include <array>

#include "app/commands/screens_host.h"
#include "app/kit/screen.h"
#include "execution/host.h"
#include "execution/interval_results.h"

class QCheckBox;
class QLabel;
class QProgressBar;

namespace vnk::interval_screens {

class IntervalStatusScreen : public app::Screen, public execution::ExecutionHost {
    Q_OBJECT
  public:
    static constexpr int kColumns = 2;  // execution::kProgressAccuracyColumn, ...ModelsColumn

    IntervalStatusScreen(const execution::IntervalSelection& selection, int method,
                         app::Prompter& prompter, QWidget* parent = nullptr);

    // The box of a slot (execution::IntervalSlot) and column; null for the Accuracy column of
    // a model without an accuracy analysis.
    QCheckBox* box(int slot, int column) const;
    QLabel* rowLabel(int slot) const { return rows_.at(static_cast<std::size_t>(slot)); }
    QLabel* columnLabel(int column) const { return columns_.at(static_cast<std::size_t>(column)); }
    QProgressBar* progress() const { return progress_; }
    // The host that opens the interval screens, for what they need beyond the requests.
    IntervalScreensHost& screensHost() { return screens_; }

    void brooksMotleyStart(execution::BrooksMotleyStartRequest& request) override;
    void generalizedPoissonStart(execution::GeneralizedPoissonStartRequest& request) override;
    void schneidewindS(execution::SchneidewindSRequest& request) override;
    void stepStarted(int row, int column) override;
    void stepFinished(int row, int column) override;

    // The engine cannot be interrupted: Escape and the close box do nothing. The caller
    // closes the screen with accept() when the execution has returned.
    void reject() override {}

  private:
    void advance();

    IntervalScreensHost screens_;
    std::array<std::array<QCheckBox*, kColumns>, execution::kIntervalSlotCount> boxes_{};
    std::array<QLabel*, execution::kIntervalSlotCount> rows_{};
    std::array<QLabel*, kColumns> columns_{};
    QProgressBar* progress_ = nullptr;
};

}  // namespace vnk::interval_screens
