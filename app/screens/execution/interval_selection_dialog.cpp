#include "app/screens/execution/interval_selection_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/kit/help_pages.h"
#include "execution/selection_rules.h"

namespace vnk::interval_screens {

namespace {
constexpr const char* kModelTexts[] = {"Brook's and Motley's Binomial Model",
                                       "Brook's and Motley's Poisson Model",
                                       "Generalized Poisson Model",
                                       "Non-homogeneous Poisson Model",
                                       "Schneidewind's Model",
                                       "Yamada's S-Shaped Model"};
}  // namespace

IntervalSelectionDialog::IntervalSelectionDialog(app::Prompter& prompter,
                                                 execution::IntervalSelection& selection,
                                                 execution::HardwareSelection& hardware,
                                                 bool hardwareData, int method, QWidget* parent)
    : Screen(prompter, QStringLiteral("Interval Fault Count Model Executions"),
             QString::fromLatin1(app::help_page::kExecutionsMenu), parent),
      selection_(selection),
      hardware_(hardware),
      history_(hardwareData ? ErrorHistory::Hardware : ErrorHistory::Software),
      method_(method) {
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
    body()->addWidget(software);

    auto* hardwareGroup = new QGroupBox(this);
    auto* hardwareLayout = new QVBoxLayout(hardwareGroup);
    discrete_ = new QCheckBox(QStringLiteral("Discrete Reliability Growth Model"), hardwareGroup);
    growth_ = new QCheckBox(QStringLiteral("Growth Tracking Model - Cont."), hardwareGroup);
    both_ = new QCheckBox(QStringLiteral("Select Both Hardware Models"), hardwareGroup);
    hardwareLayout->addWidget(discrete_);
    hardwareLayout->addWidget(growth_);
    hardwareLayout->addWidget(both_);
    body()->addWidget(hardwareGroup);

    ok_ = addButton(tr("OK"), QStringLiteral("okButton"));
    QPushButton* cancel = addButton(tr("Cancel"), QStringLiteral("cancelButton"));
    addHelpButton();
    statistics_ = addButton(QStringLiteral("Statistics"), QStringLiteral("statisticsButton"));
    fillButtonRow();  // the buttons share the row, as they always have

    for (QCheckBox* box : models_)
        connect(box, &QCheckBox::toggled, this, &IntervalSelectionDialog::refresh);
    connect(selectAll_, &QCheckBox::toggled, this, &IntervalSelectionDialog::refresh);
    connect(ok_, &QPushButton::clicked, this, &IntervalSelectionDialog::okPressed);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(statistics_, &QPushButton::clicked, this,
            &IntervalSelectionDialog::statisticsRequested);
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
