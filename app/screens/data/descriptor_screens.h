// The screens that fix what kind of data set is being entered or read: its data kind, its
// error history, its severity levels and, for interval data, how the intervals were observed.
// Each applies its choices to the data set only through apply(), after OK.
#pragma once

#include "app/kit/screen.h"
#include "data/failure_data_set.h"

class QComboBox;
class QLineEdit;

namespace vnk::app {

class ChoiceGroup;

// "Specify Data Type to be Processed".
class DataTypeScreen : public Screen {
    Q_OBJECT
  public:
    DataTypeScreen(Prompter& prompter, QWidget* parent = nullptr);
    ChoiceGroup* dataTypes() const { return types_; }
    // TBF or interval as chosen; none when nothing was chosen.
    DataKind choice() const;

  private:
    ChoiceGroup* types_;
};

// "Specify Error History Type to be Processed" for TBF data: history, severity levels and the
// measurement unit, preset from the data set.
class TbfHistoryScreen : public Screen {
    Q_OBJECT
  public:
    TbfHistoryScreen(Prompter& prompter, const FailureDataSet& set, QWidget* parent = nullptr);
    ChoiceGroup* history() const { return history_; }
    ChoiceGroup* severity() const { return severity_; }
    QComboBox* units() const { return units_; }
    // Error history, hardware fields (present for hardware and system), severity type and TBF
    // unit (none when the unit text names no unit). A group left empty gives none.
    void apply(FailureDataSet& set) const;

  private:
    ChoiceGroup* history_;
    ChoiceGroup* severity_;
    QComboBox* units_;
};

// "Specify Error History to be Processed": software or hardware.
class ErrorHistoryScreen : public Screen {
    Q_OBJECT
  public:
    ErrorHistoryScreen(Prompter& prompter, QWidget* parent = nullptr);
    ChoiceGroup* history() const { return history_; }
    // Software or hardware; none when nothing was chosen.
    ErrorHistory choice() const;

  private:
    ChoiceGroup* history_;
};

// "Specify Error History Type to be Processed" for interval software data: the four interval
// descriptors, each preset to its first choice.
class IntervalSoftwareOptionsScreen : public Screen {
    Q_OBJECT
  public:
    IntervalSoftwareOptionsScreen(Prompter& prompter, QWidget* parent = nullptr);
    ChoiceGroup* lengths() const { return lengths_; }
    ChoiceGroup* portion() const { return portion_; }
    ChoiceGroup* corrections() const { return corrections_; }
    ChoiceGroup* severity() const { return severity_; }
    void apply(FailureDataSet& set) const;

  private:
    ChoiceGroup* lengths_;
    ChoiceGroup* portion_;
    ChoiceGroup* corrections_;
    ChoiceGroup* severity_;
};

// "Specify Error History Type to be Processed" for interval hardware data: the number of units
// on test (a constant above 0, or variable) and the severity levels.
class IntervalHardwareOptionsScreen : public Screen {
    Q_OBJECT
  public:
    IntervalHardwareOptionsScreen(Prompter& prompter, const FailureDataSet& set,
                                  QWidget* parent = nullptr);
    ChoiceGroup* units() const { return units_; }
    QLineEdit* constantField() const { return constant_; }
    ChoiceGroup* severity() const { return severity_; }
    // Units on test and, in column 1 of the units-on-test row, the constant (0 for variable).
    void apply(FailureDataSet& set) const;

  private:
    void ok();
    void updateFields();
    ChoiceGroup* units_;
    QLineEdit* constant_;
    ChoiceGroup* severity_;
    double constantValue_ = 0.0;
};

// "Additional Input Values Needed": OK keeps the hardware fields of the entries, Skip drops
// them.
class AdditionalInputScreen : public Screen {
    Q_OBJECT
  public:
    AdditionalInputScreen(Prompter& prompter, QWidget* parent = nullptr);
    // True after OK; Skip and closing the screen give false.
    bool hardwareFieldsWanted() const { return result() == QDialog::Accepted; }
};

}  // namespace vnk::app
