// "Interval Fault Count Model Executions": the six interval software models, Select All,
// Accuracy Analysis and the hardware group; OK, Cancel, Help, Statistics.
#pragma once

#include <array>

#include "app/kit/screen.h"
#include "execution/hardware_execution.h"
#include "execution/interval_results.h"

class QCheckBox;
class QPushButton;

namespace vnk::interval_screens {

// Help opens the page of the Executions menu.
class IntervalSelectionDialog : public app::Screen {
    Q_OBJECT
  public:
    // Every box starts clear. OK writes the ticks into selection and hardware (NSB and NSE are
    // left alone); Cancel leaves both untouched.
    IntervalSelectionDialog(app::Prompter& prompter, execution::IntervalSelection& selection,
                            execution::HardwareSelection& hardware, bool hardwareData, int method,
                            QWidget* parent = nullptr);

    QCheckBox* modelBox(int choice) const { return models_.at(static_cast<std::size_t>(choice)); }
    QCheckBox* selectAllBox() const { return selectAll_; }
    QCheckBox* accuracyBox() const { return accuracy_; }
    QCheckBox* discreteBox() const { return discrete_; }
    QCheckBox* growthTrackingBox() const { return growth_; }
    QCheckBox* bothHardwareBox() const { return both_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* statisticsButton() const { return statistics_; }

  signals:
    void statisticsRequested();

  private:
    execution::IntervalSelection ticks() const;
    void refresh();
    void okPressed();

    execution::IntervalSelection& selection_;
    execution::HardwareSelection& hardware_;
    ErrorHistory history_;
    int method_;
    std::array<QCheckBox*, execution::kIntervalChoiceCount> models_{};
    QCheckBox* selectAll_ = nullptr;
    QCheckBox* accuracy_ = nullptr;
    QCheckBox* discrete_ = nullptr;
    QCheckBox* growth_ = nullptr;
    QCheckBox* both_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* statistics_ = nullptr;
};

}  // namespace vnk::interval_screens
