#include "app/screens/execution/interval_selection_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "execution/selection_rules.h"

namespace vnk::interval_screens {

namespace {
constexpr const char* kModelTexts[] = {
    "Brook's and Motley's Binomial Model", "Brook's and Motley's Poisson Model",
    "Generalized Poisson Model",           "Non-homogeneous Poisson Model",
    "Schneidewind's Model",                "Yamada's S-Shaped Model"};
}  // namespace

IntervalSelectionDialog::IntervalSelectionDialog(execution::IntervalSelection& selection,
                                                 execution::HardwareSelection& hardware,
                                                 bool hardwareData, int method, QWidget* parent)
    : QDialog(parent),
      selection_(selection),
      hardware_(hardware),
      history_(hardwareData ? ErrorHistory::Hardware : ErrorHistory::Software),
      method_(method) {
    setWindowTitle(QStringLiteral("Interval Fault Count Model Executions"));
    auto* layout = new QVBoxLayout(this);

    auto* software = new QGroupBox(this);
    auto* softwareLayout = new QVBoxLayout(software);
    for (std::size_t i = 0; i < models_.size(); ++i) {
        models_[i] = new QCheckBox(QString::fromUtf8(kModelTexts[i]), software);
        softwareLayout->addWidget(models_[i]);
    }
    selectAll_ = new QCheckBox(QStringLiteral("Select All Software Models"), software);
    accuracy_ = new QCheckBox(QStringLiteral("Accuracy Analysis"), software);
    softwareLayout->addWidget(selectAll_);
    softwareLayout->addWidget(accuracy_);
    layout->addWidget(software);

    auto* hardwareGroup = new QGroupBox(this);
    auto* hardwareLayout = new QVBoxLayout(hardwareGroup);
    discrete_ = new QCheckBox(QStringLiteral("Discrete Reliability Growth Model"), hardwareGroup);
    growth_ = new QCheckBox(QStringLiteral("Growth Tracking Model - Cont."), hardwareGroup);
    both_ = new QCheckBox(QStringLiteral("Select Both Hardware Models"), hardwareGroup);
    hardwareLayout->addWidget(discrete_);
    hardwareLayout->addWidget(growth_);
    hardwareLayout->addWidget(both_);
    layout->addWidget(hardwareGroup);

    auto* buttons = new QHBoxLayout;
    ok_ = new QPushButton(tr("OK"), this);
    ok_->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    auto* help = new QPushButton(tr("Help"), this);
    statistics_ = new QPushButton(QStringLiteral("Statistics"), this);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    buttons->addWidget(statistics_);
    layout->addLayout(buttons);

    for (QCheckBox* box : models_) connect(box, &QCheckBox::toggled, this, &IntervalSelectionDialog::refresh);
    connect(selectAll_, &QCheckBox::toggled, this, &IntervalSelectionDialog::refresh);
    connect(ok_, &QPushButton::clicked, this, &IntervalSelectionDialog::okPressed);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &IntervalSelectionDialog::helpRequested);
    connect(statistics_, &QPushButton::clicked, this, &IntervalSelectionDialog::statisticsRequested);
    refresh();
}

execution::IntervalSelection IntervalSelectionDialog::ticks() const {
    execution::IntervalSelection s;
    for (std::size_t i = 0; i < models_.size(); ++i) s.models[i] = models_[i]->isChecked();
    s.selectAll = selectAll_->isChecked();
    s.accuracy = accuracy_->isChecked();
    return s;
}

void IntervalSelectionDialog::refresh() {
    const execution::IntervalSelection s =
        execution::SettleIntervalSelection(history_, method_, ticks());
    const execution::IntervalSelectionEnables e =
        execution::IntervalSelectionScreenEnables(history_, method_, s);
    for (std::size_t i = 0; i < models_.size(); ++i) models_[i]->setEnabled(e.models[i]);
    selectAll_->setEnabled(e.selectAll);
    accuracy_->setEnabled(e.accuracy);
    {
        const QSignalBlocker block(accuracy_);
        accuracy_->setChecked(s.accuracy);
    }
    for (QCheckBox* box : {discrete_, growth_, both_}) box->setEnabled(e.hardwareGroup);
}

void IntervalSelectionDialog::okPressed() {
    const execution::IntervalSelection s =
        execution::SettleIntervalSelection(history_, method_, ticks());
    selection_.models = s.models;
    selection_.selectAll = s.selectAll;
    selection_.accuracy = s.accuracy;
    hardware_.discrete = discrete_->isChecked();
    hardware_.growthTracking = growth_->isChecked();
    hardware_.selectAll = both_->isChecked();
    accept();
}

}  // namespace vnk::interval_screens
