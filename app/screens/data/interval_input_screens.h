// The interval entry screens: software intervals ("Interval Software Data Input") and hardware
// intervals ("Interval Hardware Data Input"). Each keeps an interval counter from 1; Enter
// stores the interval of the counter and moves on, Done sets the number of intervals.
#pragma once

#include <array>

#include "app/kit/screen.h"
#include "data/failure_data_set.h"

class QLineEdit;
class QPushButton;

namespace vnk::app {

class IntervalSoftwareInputScreen : public Screen {
    Q_OBJECT
  public:
    IntervalSoftwareInputScreen(Prompter& prompter, FailureDataSet& set, QWidget* parent = nullptr);

    QLineEdit* intervalNumber() const { return number_; }
    QLineEdit* lengthField() const { return length_; }
    QLineEdit* fractionField() const { return fraction_; }
    // Level 1 to 4.
    QLineEdit* faultField(int level) const { return faults_[index(level)]; }
    QLineEdit* previousFaultField(int level) const { return previous_[index(level)]; }
    QLineEdit* correctionField(int level) const { return corrections_[index(level)]; }
    int counter() const { return counter_; }

    void enter();
    void finish();

  private:
    static std::size_t index(int level) { return static_cast<std::size_t>(level - 1); }
    FailureDataSet& set_;
    int counter_ = 1;
    QLineEdit* number_;
    QLineEdit* length_;
    QLineEdit* fraction_;
    std::array<QLineEdit*, 4> faults_{};
    std::array<QLineEdit*, 4> previous_{};
    std::array<QLineEdit*, 4> corrections_{};
    QPushButton* enter_ = nullptr;
};

class IntervalHardwareInputScreen : public Screen {
    Q_OBJECT
  public:
    IntervalHardwareInputScreen(Prompter& prompter, FailureDataSet& set, QWidget* parent = nullptr);

    QLineEdit* intervalNumber() const { return number_; }
    QLineEdit* unitsOnTestField() const { return units_; }
    QLineEdit* failingField(int level) const {
        return failing_[static_cast<std::size_t>(level - 1)];
    }
    int counter() const { return counter_; }

    void enter();
    void finish();

  private:
    void resetFields();
    FailureDataSet& set_;
    int counter_ = 1;
    QLineEdit* number_;
    QLineEdit* units_;
    std::array<QLineEdit*, 4> failing_{};
    QPushButton* enter_ = nullptr;
};

}  // namespace vnk::app
