// The initial-estimates option form shared by the interval models: a heading, one editable
// number per estimate, OK and Help (the model's page). Each value has an accepted range; OK stores
// the values when all pass it and closes only when the model's own check on the stored values
// agrees.
#pragma once

#include <functional>
#include <vector>

#include "app/kit/screen.h"
#include "models/brooks_motley_gp_models.h"

class QLineEdit;
class QPushButton;

namespace vnk::interval_screens {

struct EstimateField {
    double value = 0.0;
    double minimum = 0.0;
    double maximum = 0.0;
    bool ranged = false;  // false: any finite number is stored
};

class InitialEstimatesDialog : public app::Screen {
    Q_OBJECT
  public:
    // mayClose sees the values stored so far and decides whether OK closes the screen; Help
    // opens helpPage, the model's page.
    InitialEstimatesDialog(app::Prompter& prompter, const models::InitialEstimatesTexts& texts,
                           std::vector<EstimateField> fields,
                           std::function<bool(const std::vector<double>&)> mayClose,
                           const QString& helpPage, QWidget* parent = nullptr);

    // The values as stored by the last OK (the starting values before any).
    const std::vector<double>& values() const { return stored_; }
    QLineEdit* field(int index) const { return edits_.at(static_cast<std::size_t>(index)); }
    QPushButton* okButton() const { return ok_; }

  signals:
    // After OK has stored the values, before the screen decides whether to close.
    void valuesStored();

  private:
    void okPressed();
    void showStored(std::size_t index);

    std::vector<EstimateField> fields_;
    std::vector<double> stored_;
    std::vector<QLineEdit*> edits_;
    std::function<bool(const std::vector<double>&)> mayClose_;
    QPushButton* ok_ = nullptr;
};

}  // namespace vnk::interval_screens
