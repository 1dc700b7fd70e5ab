// "Time-Between-Failure Model Executions": which software models to run and whether to run the
// applicability analyses, or which hardware or system models. The check boxes follow the
// rules of execution/selection_rules.h.
#pragma once

#include <array>
#include <functional>

#include "app/kit/screen.h"
#include "execution/applicability_range.h"
#include "execution/selection_rules.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace vnk::screens {

// The three screens share the help page of the Executions menu.
class TbfSelectionScreen : public app::Screen {
    Q_OBJECT
  public:
    // `statistics` shows the preliminary statistics screen under the caption it is given.
    TbfSelectionScreen(app::Prompter& prompter, ErrorHistory history, int method,
                       std::function<void(const QString& caption)> statistics = {},
                       QWidget* parent = nullptr);

    // Whether the data set has its hardware fields: only then the projection box is offered.
    void setHardwareFieldsPresent(bool present);

    const execution::TbfSelectionState& selection() const { return state_; }
    QCheckBox* modelBox(int slot) const { return models_.at(static_cast<std::size_t>(slot)); }
    QCheckBox* selectAllBox() const { return selectAll_; }
    QCheckBox* applicabilityBox() const { return applicability_; }
    QGroupBox* hardwareGroup() const { return hardware_; }
    QGroupBox* systemGroup() const { return system_; }
    // Hardware boxes by execution::hardware_box index, system boxes by their order in the group.
    QCheckBox* hardwareBox(int box) const {
        return hardwareModels_.at(static_cast<std::size_t>(box));
    }
    QCheckBox* selectAllHardwareBox() const { return selectAllHardware_; }
    QCheckBox* systemBox(int box) const { return systemModels_.at(static_cast<std::size_t>(box)); }
    QCheckBox* selectAllSystemBox() const { return selectAllSystem_; }
    QPushButton* statisticsButton() const { return statistics_; }

  private:
    void refresh();
    void buildHardwareGroups();

    execution::TbfSelectionState state_;
    std::array<QCheckBox*, execution::kTbfSlotCount> models_{};
    QCheckBox* selectAll_ = nullptr;
    QCheckBox* applicability_ = nullptr;
    QGroupBox* software_ = nullptr;
    QGroupBox* hardware_ = nullptr;
    QGroupBox* system_ = nullptr;
    std::array<QCheckBox*, execution::kHardwareModelCount> hardwareModels_{};
    QCheckBox* selectAllHardware_ = nullptr;
    std::array<QCheckBox*, execution::kSystemModelCount> systemModels_{};
    QCheckBox* selectAllSystem_ = nullptr;
    QPushButton* statistics_ = nullptr;
};

// "Model Applicability Analysis": the measures to compute.
class MeasureScreen : public app::Screen {
    Q_OBJECT
  public:
    explicit MeasureScreen(app::Prompter& prompter, QWidget* parent = nullptr);

    const execution::MeasureSelection& selection() const { return state_; }
    // Measures in the order Accuracy, Bias, Noise, Trend.
    QCheckBox* measureBox(int measure) const {
        return boxes_.at(static_cast<std::size_t>(measure));
    }
    QCheckBox* selectAllBox() const { return selectAll_; }

    // "Skip failed refits": shows the program option when the screen opens; the caller writes
    // skipFailedRefits() back to the option on OK only, so Cancel leaves it as it was.
    void setSkipFailedRefits(bool on);
    bool skipFailedRefits() const;
    QCheckBox* skipFailedRefitsBox() const { return skipFailedRefits_; }

  private:
    execution::MeasureSelection state_;
    std::array<QCheckBox*, 4> boxes_{};
    QCheckBox* selectAll_ = nullptr;
    QCheckBox* skipFailedRefits_ = nullptr;
};

// "Model Applicability Analysis Range": the first and last data index of the analyses.
class RangeScreen : public app::Screen {
    Q_OBJECT
  public:
    // N: the number of entries (times between failures or intervals).
    RangeScreen(int N, app::Prompter& prompter, QWidget* parent = nullptr);

    QLineEdit* startBox() const { return start_; }
    QLineEdit* endBox() const { return end_; }
    const execution::ApplicabilityRange& range() const { return range_; }

  public slots:
    // Keeps the screen open with the range message while the range is refused.
    void accept() override;

  private:
    int N_ = 0;
    execution::ApplicabilityRange range_;
    QLineEdit* start_ = nullptr;
    QLineEdit* end_ = nullptr;
};

}  // namespace vnk::screens
