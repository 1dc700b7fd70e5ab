#include "app/screens/execution/hardware_screens.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vnk::interval_screens {

namespace hw = models::hardware;

HardwareResultScreen::HardwareResultScreen(app::Prompter& prompter, const QString& title,
                                           const QString& helpPage,
                                           const std::vector<hw::LabelledValue>& fields,
                                           QWidget* parent)
    : Screen(prompter, title, helpPage, parent) {
    closeButtonGap();
    auto* form = new QFormLayout;
    for (const hw::LabelledValue& f : fields) {
        auto* edit = new QLineEdit(QString::number(f.value, 'g', 8), this);
        edit->setReadOnly(true);
        form->addRow(QString::fromStdString(f.label), edit);
        fields_.push_back(edit);
    }
    body()->addLayout(form);
    ok_ = addButton(tr("OK"), QStringLiteral("okButton"));
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    addHelpButton();
}

std::unique_ptr<HardwareResultScreen> ProjectionResultScreen(app::Prompter& prompter,
                                                             const ProjectionResult& result,
                                                             QWidget* parent) {
    return std::make_unique<HardwareResultScreen>(prompter, QString::fromUtf8(hw::kProjectionTitle),
                                                  QStringLiteral("model_amsaa_crow"),
                                                  hw::ProjectionResultFields(result), parent);
}

std::unique_ptr<HardwareResultScreen> DiscreteResultScreen(app::Prompter& prompter, double TT,
                                                           double TF, double LAMBDA, double ALPHA,
                                                           double R, QWidget* parent) {
    return std::make_unique<HardwareResultScreen>(
        prompter, QString::fromUtf8(hw::kDiscreteTitle), QStringLiteral("model_amsaa_discrete"),
        hw::DiscreteResultFields(TT, TF, LAMBDA, ALPHA, R), parent);
}

ProjectionInputsDialog::ProjectionInputsDialog(app::Prompter& prompter,
                                               execution::ProjectionInputsRequest& request,
                                               QWidget* parent)
    : InitialEstimatesDialog(
          prompter,
          {hw::kAdditionalInputTitle, "", {hw::kTotalTestTimeLabel, hw::kAModeFailuresLabel}},
          {{request.totalTestTime, 0.0, 0.0, false}, {request.aModeFailures, 0.0, 0.0, false}},
          nullptr, QStringLiteral("model_amsaa_crow"), parent) {
    connect(this, &QDialog::accepted, this, [this, &request] {
        request.totalTestTime = values()[0];
        request.aModeFailures = values()[1];
    });
}

}  // namespace vnk::interval_screens
