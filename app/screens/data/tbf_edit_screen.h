// "Time Between Failure Edit Screen": changes, deletions, insertions and merges of TBF entries
// on a working copy, which Store (or OK after confirming) copies back into the data set.
#pragma once

#include "app/kit/screen.h"
#include "data/failure_data_set.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace vnk::app {

class ChoiceGroup;

class TbfEditScreen : public Screen {
    Q_OBJECT
  public:
    TbfEditScreen(Prompter& prompter, FailureDataSet& set, QWidget* parent = nullptr);

    QPlainTextEdit* listing() const { return list_; }
    QSpinBox* failureNumber() const { return number_; }
    QLineEdit* timeField() const { return time_; }
    ChoiceGroup* failureType() const { return type_; }
    ChoiceGroup* severityLevel() const { return level_; }
    QLineEdit* hardwareFailuresField() const { return hwCount_; }
    QLineEdit* effectivenessField() const { return hwFactor_; }

    const FailureDataSet& workingCopy() const { return work_; }
    int selected() const { return selected_; }
    bool hasUnstoredChanges() const { return unstored_; }
    bool lastEntryTouched() const { return lastTouched_; }

    // The buttons' actions.
    void select();
    void change();
    void insert();
    void remove();
    void merge();
    void store();
    void ok();
    void cancel();
    void reject() override { cancel(); }

  private:
    void edit(int ETYPE, int PT1, int PT2, bool needsValues);
    bool fieldValues(TbfEntry& entry);
    void showSelection();
    void dropSelection();
    void updateHardwareFields();
    void refreshListing();

    FailureDataSet& set_;
    FailureDataSet work_;
    int selected_ = 0;
    bool unstored_ = false;
    bool lastTouched_ = false;

    QPlainTextEdit* list_;
    QLabel* listHeader_;
    QSpinBox* number_;
    QLineEdit* time_;
    ChoiceGroup* type_;
    ChoiceGroup* level_;
    QLineEdit* hwCount_;
    QLineEdit* hwFactor_;
};

// "Data Edit - Merge": the last entry of a merge, from the selected entry to the last entry.
class MergeScreen : public Screen {
    Q_OBJECT
  public:
    MergeScreen(Prompter& prompter, int first, int last, QWidget* parent = nullptr);
    QSpinBox* endField() const { return end_; }
    int end() const;

  private:
    QSpinBox* end_;
};

}  // namespace vnk::app
