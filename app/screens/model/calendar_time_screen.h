// "Musa's Calendar Time": how many more calendar hours the failure identification, correction
// and computer resources need to bring Musa's basic model from its current to a desired mean
// time before next failure. Opened by "Calendar" on the model's result screen.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/kit/screen.h"
#include "models/model_description.h"
#include "models/musa_nhpp_tbf_models.h"

class QLineEdit;
class QPushButton;

namespace vnk::app {
class Prompter;
}

namespace vnk::screens {

struct CalendarTimeActions {
    // Receives the calendar time report. Null: "Print" is disabled.
    std::function<void(const std::string& report)> print;
    std::function<void()> help;
};

class CalendarTimeScreen : public app::Screen {
    Q_OBJECT
  public:
    CalendarTimeScreen(const models::CalendarTimeInputs& opening, app::Prompter& prompter,
                       CalendarTimeActions actions, QWidget* parent = nullptr);

    // The input boxes in the order of models::CalendarTimeFields().
    QLineEdit* field(int index) const { return fields_.at(static_cast<std::size_t>(index)); }
    int fieldCount() const { return static_cast<int>(fields_.size()); }
    QLineEdit* resultBox() const { return result_; }
    QPushButton* runButton() const { return run_; }
    QPushButton* printButton() const { return print_; }
    QPushButton* helpButton() const { return help_; }
    QPushButton* okButton() const { return ok_; }

    // The values as typed; nullopt when a box does not hold a number (that box gets the focus).
    std::optional<models::CalendarTimeInputs> typedInputs();
    // The additional hours last computed for the values shown (0.0 before "Run").
    double XINT() const { return XINT_; }

  public slots:
    // Computes the additional hours, or shows why they cannot be computed.
    void run();
    // Hands the report of the values shown and their result to the print action.
    void print();

  private:
    void showResult(double XINT);

    CalendarTimeActions actions_;
    std::vector<QLineEdit*> fields_;
    QLineEdit* result_ = nullptr;
    double XINT_ = 0.0;
    QPushButton* run_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* help_ = nullptr;
    QPushButton* ok_ = nullptr;
};

// "Calendar": when the data's TBF unit (0 none, 3 hours, ...) is not hours, first the warning
// that the model wants hours; then the screen, opened with the estimates of `context`.
void OpenCalendarTime(const models::ModelContext& context, int tbfUnit, app::Prompter& prompter,
                      CalendarTimeActions actions, QWidget* parent = nullptr);

}  // namespace vnk::screens
