// "Time Between Failure Input Screen": failures typed in one at a time. The screen works on
// the data set itself: opening it counts a pending entry, Enter stores the pending entry and
// opens the next, Done and Cancel drop the pending one.
#pragma once

#include "app/kit/screen.h"
#include "data/failure_data_set.h"

class QLineEdit;

namespace vnk::app {

class ChoiceGroup;

class TbfInputScreen : public Screen {
    Q_OBJECT
  public:
    TbfInputScreen(Prompter& prompter, FailureDataSet& set, QWidget* parent = nullptr);
    ~TbfInputScreen() override;

    QLineEdit* failureNumber() const { return number_; }
    QLineEdit* timeField() const { return time_; }
    ChoiceGroup* failureType() const { return type_; }
    ChoiceGroup* severityLevel() const { return level_; }
    QLineEdit* hardwareFailuresField() const { return hwCount_; }
    QLineEdit* effectivenessField() const { return hwFactor_; }

    // Enter, Done and Cancel as their buttons do them.
    void enter();
    void finish();
    void reject() override;

  private:
    // The pending entry from the fields; false when it is incomplete or out of range.
    bool pendingEntry(TbfEntry& entry) const;
    void showPending();
    void updateHardwareFields();
    int fixedFailureType() const;
    void dropPending();

    FailureDataSet& set_;
    QLineEdit* number_;
    QLineEdit* time_;
    ChoiceGroup* type_;
    ChoiceGroup* level_;
    QLineEdit* hwCount_;
    QLineEdit* hwFactor_;
    bool pendingDropped_ = false;
};

}  // namespace vnk::app
