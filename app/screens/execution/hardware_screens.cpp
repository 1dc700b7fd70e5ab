#include "app/screens/execution/hardware_screens.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vnk::interval_screens {

namespace hw = models::hardware;

HardwareResultScreen::HardwareResultScreen(const QString& title, const QString& helpPage,
                                           const std::vector<hw::LabelledValue>& fields,
                                           QWidget* parent)
    : QDialog(parent), helpPage_(helpPage) {
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    for (const hw::LabelledValue& f : fields) {
        auto* edit = new QLineEdit(QString::number(f.value, 'g', 8), this);
        edit->setReadOnly(true);
        form->addRow(QString::fromStdString(f.label), edit);
        fields_.push_back(edit);
    }
    layout->addLayout(form);
    auto* buttons = new QHBoxLayout;
    ok_ = new QPushButton(tr("OK"), this);
    ok_->setDefault(true);
    auto* help = new QPushButton(tr("Help"), this);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(help);
    layout->addLayout(buttons);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this, &HardwareResultScreen::helpRequested);
}

std::unique_ptr<HardwareResultScreen> ProjectionResultScreen(const ProjectionResult& result,
                                                             QWidget* parent) {
    return std::make_unique<HardwareResultScreen>(QString::fromUtf8(hw::kProjectionTitle),
                                                  QStringLiteral("model_amsaa_crow"),
                                                  hw::ProjectionResultFields(result), parent);
}

std::unique_ptr<HardwareResultScreen> DiscreteResultScreen(double TT, double TF, double LAMBDA,
                                                           double ALPHA, double R,
                                                           QWidget* parent) {
    return std::make_unique<HardwareResultScreen>(
        QString::fromUtf8(hw::kDiscreteTitle), QStringLiteral("model_amsaa_discrete"),
        hw::DiscreteResultFields(TT, TF, LAMBDA, ALPHA, R), parent);
}

ProjectionInputsDialog::ProjectionInputsDialog(execution::ProjectionInputsRequest& request,
                                               QWidget* parent)
    : InitialEstimatesDialog({hw::kAdditionalInputTitle, "",
                              {hw::kTotalTestTimeLabel, hw::kAModeFailuresLabel}},
                             {{request.totalTestTime, 0.0, 0.0, false},
                              {request.aModeFailures, 0.0, 0.0, false}},
                             nullptr, parent) {
    setHelpPage(QStringLiteral("model_amsaa_crow"));
    connect(this, &QDialog::accepted, this, [this, &request] {
        request.totalTestTime = values()[0];
        request.aModeFailures = values()[1];
    });
}

}  // namespace vnk::interval_screens
