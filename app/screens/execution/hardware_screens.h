// The hardware growth model screens: the additional inputs of the projection model and the
// read-only result screens of the projection and discrete models (OK, Help).
#pragma once

#include <memory>
#include <vector>

#include "app/kit/screen.h"
#include "app/screens/execution/initial_estimates_dialog.h"
#include "execution/host.h"
#include "models/hardware_models.h"

class QLineEdit;
class QPushButton;

namespace vnk::interval_screens {

// A titled column of labelled read-only values.
class HardwareResultScreen : public app::Screen {
    Q_OBJECT
  public:
    // helpPage: the model's page, which Help opens.
    HardwareResultScreen(app::Prompter& prompter, const QString& title, const QString& helpPage,
                         const std::vector<models::hardware::LabelledValue>& fields,
                         QWidget* parent = nullptr);

    QLineEdit* field(int index) const { return fields_.at(static_cast<std::size_t>(index)); }
    int fieldCount() const { return static_cast<int>(fields_.size()); }
    QPushButton* okButton() const { return ok_; }

  private:
    std::vector<QLineEdit*> fields_;
    QPushButton* ok_ = nullptr;
};

std::unique_ptr<HardwareResultScreen> ProjectionResultScreen(app::Prompter& prompter,
                                                             const ProjectionResult& result,
                                                             QWidget* parent = nullptr);
std::unique_ptr<HardwareResultScreen> DiscreteResultScreen(app::Prompter& prompter, double TT,
                                                           double TF, double LAMBDA, double ALPHA,
                                                           double R, QWidget* parent = nullptr);

// "AMSAA / CROW Additional Input Values": OK writes both values into the request; a field
// that does not hold a number refuses OK.
class ProjectionInputsDialog : public InitialEstimatesDialog {
    Q_OBJECT
  public:
    ProjectionInputsDialog(app::Prompter& prompter, execution::ProjectionInputsRequest& request,
                           QWidget* parent = nullptr);
};

}  // namespace vnk::interval_screens
