#include "app/screens/execution/tbf_selection_screen.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/kit/help_pages.h"
#include "app/kit/prompter.h"
#include "app/kit/value_field.h"
#include "models/tbf_slots.h"

namespace vnk::screens {

namespace {

const char* ModelCaption(int slot) { return models::TbfSlotNamesOf(slot).caption; }

constexpr std::array<const char*, execution::kHardwareModelCount> kHardwareCaptions = {
    "Reliability Growth Projection Model",
    "Exponential Distribution Model",
    "Weibull Distribution Model",
    "Rayleigh Distribution Model",
    "Maturity Projection Model-Cont. ",
    "Hyperexponential Model",
    "Markov Model"};
constexpr std::array<const char*, execution::kSystemModelCount> kSystemCaptions = {
    "System Reliability Growth Model", "System Availability Model"};

// Sets a box without its toggled signal, so refreshing never feeds back into the state.
void Show(QCheckBox* box, bool checked, bool enabled) {
    const QSignalBlocker block(box);
    box->setChecked(checked);
    box->setEnabled(enabled);
}

QString ExecutionsHelp() { return QString::fromLatin1(app::help_page::kExecutionsMenu); }

}  // namespace

TbfSelectionScreen::TbfSelectionScreen(app::Prompter& prompter, ErrorHistory history, int method,
                                       std::function<void(const QString&)> statistics,
                                       QWidget* parent)
    : Screen(prompter, QStringLiteral("Time-Between-Failure Model Executions"), ExecutionsHelp(),
             parent),
      state_(execution::OpenTbfSelection(history, method)) {
    auto* groups = new QHBoxLayout;
    software_ = new QGroupBox(QStringLiteral("Software Reliability Models"), this);
    auto* softwareBoxes = new QVBoxLayout(software_);
    for (int slot : models::kTbfScreenOrder) {
        auto* box = new QCheckBox(QString::fromLatin1(ModelCaption(slot)), software_);
        softwareBoxes->addWidget(box);
        models_[static_cast<std::size_t>(slot)] = box;
        connect(box, &QCheckBox::toggled, this, [this, slot](bool on) {
            state_ = ToggleModel(state_, slot, on);
            refresh();
        });
    }
    selectAll_ = new QCheckBox(QStringLiteral("Select All Software Models"), software_);
    applicability_ = new QCheckBox(QStringLiteral("Model Applicability Analyses"), software_);
    softwareBoxes->addWidget(selectAll_);
    softwareBoxes->addWidget(applicability_);
    connect(selectAll_, &QCheckBox::toggled, this, [this](bool on) {
        state_ = ToggleSelectAll(state_, on);
        refresh();
    });
    connect(applicability_, &QCheckBox::toggled, this, [this](bool on) {
        state_ = ToggleApplicability(state_, on);
        refresh();
    });
    buildHardwareGroups();
    groups->addWidget(software_);
    groups->addWidget(hardware_);
    groups->addWidget(system_);
    body()->addLayout(groups);

    // Statistics sits between Cancel and Help.
    QPushButton* ok = addButton(QStringLiteral("OK"), QStringLiteral("okButton"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    QPushButton* cancel = addButton(QStringLiteral("Cancel"), QStringLiteral("cancelButton"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    statistics_ = addButton(QStringLiteral("Statistics"), QStringLiteral("statisticsButton"));
    statistics_->setEnabled(static_cast<bool>(statistics));
    connect(statistics_, &QPushButton::clicked, this, [this, statistics] {
        statistics(QString::fromStdString(StatisticsTitle(state_.modelClass)));
    });
    addHelpButton();
    fillButtonRow();  // the buttons share the row, as they always have
    refresh();
}

void TbfSelectionScreen::buildHardwareGroups() {
    hardware_ = new QGroupBox(QStringLiteral("Hardware Reliability Models"), this);
    auto* hardwareBoxes = new QVBoxLayout(hardware_);
    for (int box = 0; box < execution::kHardwareModelCount; ++box) {
        auto* check = new QCheckBox(
            QString::fromLatin1(kHardwareCaptions[static_cast<std::size_t>(box)]), hardware_);
        hardwareBoxes->addWidget(check);
        hardwareModels_[static_cast<std::size_t>(box)] = check;
        connect(check, &QCheckBox::toggled, this, [this, box](bool on) {
            state_ = ToggleHardwareModel(state_, box, on);
            refresh();
        });
    }
    selectAllHardware_ = new QCheckBox(QStringLiteral("Select All Hardware Models"), hardware_);
    hardwareBoxes->addWidget(selectAllHardware_);
    hardwareBoxes->addStretch();
    connect(selectAllHardware_, &QCheckBox::toggled, this, [this](bool on) {
        state_ = ToggleSelectAllHardware(state_, on);
        refresh();
    });

    system_ = new QGroupBox(QStringLiteral("System Reliability Models"), this);
    auto* systemBoxes = new QVBoxLayout(system_);
    for (int box = 0; box < execution::kSystemModelCount; ++box) {
        auto* check = new QCheckBox(
            QString::fromLatin1(kSystemCaptions[static_cast<std::size_t>(box)]), system_);
        systemBoxes->addWidget(check);
        systemModels_[static_cast<std::size_t>(box)] = check;
        connect(check, &QCheckBox::toggled, this, [this, box](bool on) {
            state_ = ToggleSystemModel(state_, box, on);
            refresh();
        });
    }
    selectAllSystem_ = new QCheckBox(QStringLiteral("Select All System Models"), system_);
    systemBoxes->addWidget(selectAllSystem_);
    systemBoxes->addStretch();
    connect(selectAllSystem_, &QCheckBox::toggled, this, [this](bool on) {
        state_ = ToggleSelectAllSystem(state_, on);
        refresh();
    });
}

void TbfSelectionScreen::setHardwareFieldsPresent(bool present) {
    state_.hardwareFields = present;
    refresh();
}

void TbfSelectionScreen::refresh() {
    const execution::TbfSelectionEnables e = execution::Enables(state_);
    for (int slot = 0; slot < execution::kTbfSlotCount; ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        Show(models_[s], state_.models[s], e.models[s]);
    }
    Show(selectAll_, state_.selectAll, e.selectAll);
    Show(applicability_, state_.applicability, e.applicability);
    for (std::size_t box = 0; box < hardwareModels_.size(); ++box)
        Show(hardwareModels_[box], state_.hardware[box], e.hardware[box]);
    Show(selectAllHardware_, state_.selectAllHardware, e.selectAllHardware);
    for (std::size_t box = 0; box < systemModels_.size(); ++box)
        Show(systemModels_[box], state_.system[box], e.system[box]);
    Show(selectAllSystem_, state_.selectAllSystem, e.selectAllSystem);
    software_->setEnabled(e.softwareGroup);
    hardware_->setEnabled(e.hardwareGroup);
    system_->setEnabled(e.systemGroup);
}

MeasureScreen::MeasureScreen(app::Prompter& prompter, QWidget* parent)
    : Screen(prompter, QStringLiteral("Model Applicability Analysis"), ExecutionsHelp(), parent) {
    auto* group = new QGroupBox(QStringLiteral("Applicability Analyses"), this);
    auto* boxes = new QVBoxLayout(group);
    // Screen order Accuracy, Noise, Bias, Trend; flags in the order Accuracy, Bias, Noise, Trend.
    const std::array<std::pair<int, const char*>, 4> order = {
        {{0, "Accuracy"}, {2, "Noise"}, {1, "Bias"}, {3, "Trend"}}};
    for (const auto& [measure, caption] : order) {
        auto* box = new QCheckBox(QString::fromLatin1(caption), group);
        boxes->addWidget(box);
        boxes_[static_cast<std::size_t>(measure)] = box;
        connect(box, &QCheckBox::toggled, this, [this, m = measure](bool on) {
            state_.measures[static_cast<std::size_t>(m)] = on;
        });
    }
    selectAll_ = new QCheckBox(QStringLiteral("Select All"), group);
    boxes->addWidget(selectAll_);
    connect(selectAll_, &QCheckBox::toggled, this, [this](bool on) {
        state_.selectAll = on;
        for (QCheckBox* box : boxes_) box->setEnabled(!on);
    });
    body()->addWidget(group);
    skipFailedRefits_ = new QCheckBox(QStringLiteral("Skip failed refits"), this);
    body()->addWidget(skipFailedRefits_);
    addOkCancelHelp();
    fillButtonRow();  // the buttons share the row, as they always have
}

void MeasureScreen::setSkipFailedRefits(bool on) { skipFailedRefits_->setChecked(on); }

bool MeasureScreen::skipFailedRefits() const { return skipFailedRefits_->isChecked(); }

RangeScreen::RangeScreen(int N, app::Prompter& prompter, QWidget* parent)
    : Screen(prompter, QStringLiteral("Model Applicability Analysis Range"), ExecutionsHelp(),
             parent),
      N_(N),
      range_(execution::DefaultApplicabilityRange(N)) {
    body()->addWidget(new QLabel(
        QStringLiteral("The Model Applicability Analysis defines the default range as follows "),
        this));
    auto* form = new QFormLayout;
    start_ = new QLineEdit(QString::number(range_.NSB), this);
    end_ = new QLineEdit(QString::number(range_.NSE), this);
    form->addRow(QStringLiteral("Starting Point"), start_);
    form->addRow(QStringLiteral("Ending Point"), end_);
    body()->addLayout(form);
    addOkCancelHelp();
    fillButtonRow();  // the buttons share the row, as they always have
}

void RangeScreen::accept() {
    const auto NSB = ParseWhole(start_->text());
    const auto NSE = ParseWhole(end_->text());
    // Text that is not a whole number is refused like an index out of range.
    const execution::ApplicabilityRange typed{NSB.value_or(0), NSE.value_or(0)};
    if (!NSB || !NSE || !execution::ApplicabilityRangeAccepted(N_, typed)) {
        showError(QString::fromLatin1(execution::kApplicabilityRangeMessage),
                  QStringLiteral("Error"));
        return;
    }
    range_ = typed;
    QDialog::accept();
}

}  // namespace vnk::screens
