// The shape shared by the screens that ask for one value: a prompt, one field, and OK that
// keeps the screen open until the field holds an acceptable value.
#pragma once

#include "app/kit/screen.h"

class QLabel;
class QLineEdit;

namespace vnk::app {

class ValueScreen : public Screen {
    Q_OBJECT
  public:
    QLineEdit* field() const { return field_; }

  protected:
    // withCancel adds a Cancel button between OK and Help.
    ValueScreen(Prompter& prompter, const QString& caption, const QString& prompt,
                const QString& initialText, bool withCancel, const QString& helpPage,
                QWidget* parent);
    // Checks the field and keeps its value; false (after telling the user) keeps the screen
    // open.
    virtual bool acceptValue(const QString& text) = 0;

    // Messages of the standard field checks.
    void rejectInteger(int low, int high);
    void rejectNumber();

  private:
    void ok();
    QLineEdit* field_ = nullptr;
};

// "Cell Combinations": an integer from 0 to 32000.
class CellCombinationsScreen : public ValueScreen {
    Q_OBJECT
  public:
    CellCombinationsScreen(Prompter& prompter, int current, QWidget* parent = nullptr);
    int value() const { return value_; }

  protected:
    bool acceptValue(const QString& text) override;

  private:
    int value_;
};

// "Set Iteration Maximum": any number.
class IterationMaximumScreen : public ValueScreen {
    Q_OBJECT
  public:
    IterationMaximumScreen(Prompter& prompter, double current, QWidget* parent = nullptr);
    double value() const { return value_; }

  protected:
    bool acceptValue(const QString& text) override;

  private:
    double value_;
};

// "Comparison Hold-Out": the share of the data the model comparison's PSSE holds back,
// from 0.01 to 0.9.
class HoldOutScreen : public ValueScreen {
    Q_OBJECT
  public:
    HoldOutScreen(Prompter& prompter, double current, QWidget* parent = nullptr);
    double value() const { return value_; }

  protected:
    bool acceptValue(const QString& text) override;

  private:
    double value_;
};

// "Prediction Number": an integer from 0 to 1000000; Cancel keeps the old value.
class PredictionNumberScreen : public ValueScreen {
    Q_OBJECT
  public:
    PredictionNumberScreen(Prompter& prompter, int current, QWidget* parent = nullptr);
    int value() const { return value_; }

  protected:
    bool acceptValue(const QString& text) override;

  private:
    int value_;
};

// "Failure Free Test Time Input Screen": the failure-free time after the last failure. A
// negative value is ignored: the screen closes and the time stays as it was.
class FailureFreeTimeScreen : public ValueScreen {
    Q_OBJECT
  public:
    FailureFreeTimeScreen(Prompter& prompter, double current, QWidget* parent = nullptr);
    double value() const { return value_; }

  protected:
    bool acceptValue(const QString& text) override;

  private:
    double value_;
};

// "Corrections made after the Final Interval": 0 up to the last interval's fault count.
// Closing the screen without OK keeps the preset, which is always acceptable.
class CorrectionsScreen : public ValueScreen {
    Q_OBJECT
  public:
    CorrectionsScreen(Prompter& prompter, double lastIntervalFaults, QWidget* parent = nullptr);
    double value() const { return value_; }

  protected:
    bool acceptValue(const QString& text) override;

  private:
    double limit_;
    double value_;
};

}  // namespace vnk::app
