#include "screens/tbf_selection_screen.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "screens/message_sink.h"
#include "screens/value_field.h"

namespace vnk::screens {

namespace {

// The box order on screen: the quadratic Littlewood and Verrall model sits beside the linear.
constexpr std::array<int, kTbfModelCount> kScreenOrder = {
    tbf_slot::kGeo,      tbf_slot::kJam,    tbf_slot::kLavLinear, tbf_slot::kLavQuadratic,
    tbf_slot::kMusBasic, tbf_slot::kMusLog, tbf_slot::kNpt};

const char* ModelCaption(int slot) {
    switch (slot) {
        case tbf_slot::kGeo:
            return "Geometric Model";
        case tbf_slot::kJam:
            return "Jelinski/Moranda Model";
        case tbf_slot::kLavLinear:
            return "Littlewood and Verrall Linear Model";
        case tbf_slot::kLavQuadratic:
            return "Littlewood and Verrall Quadratic Model";
        case tbf_slot::kMusBasic:
            return "Musa's Basic Model";
        case tbf_slot::kMusLog:
            return "Musa's Logarithmic Model";
        default:
            return "Non-homogeneous Poisson Model";
    }
}

// OK, Cancel and Help in a row; Help is enabled only when there is help to show.
QHBoxLayout* DialogButtons(QDialog& dialog, const std::function<void()>& help,
                           QPushButton* extra = nullptr) {
    auto* row = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
    auto* helpButton = new QPushButton(QStringLiteral("Help"), &dialog);
    ok->setDefault(true);
    for (QPushButton* b : {cancel, helpButton}) b->setAutoDefault(false);
    row->addWidget(ok);
    row->addWidget(cancel);
    if (extra) row->addWidget(extra);
    row->addWidget(helpButton);
    helpButton->setEnabled(static_cast<bool>(help));
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    QObject::connect(helpButton, &QPushButton::clicked, &dialog, [help] { help(); });
    return row;
}

}  // namespace

TbfSelectionScreen::TbfSelectionScreen(ErrorHistory history, int method,
                                       std::function<void(const QString&)> statistics,
                                       std::function<void()> help, QWidget* parent)
    : QDialog(parent), state_(OpenTbfSelection(history, method)) {
    setWindowTitle(QStringLiteral("Time-Between-Failure Model Executions"));
    auto* layout = new QVBoxLayout(this);
    auto* groups = new QHBoxLayout;
    software_ = new QGroupBox(QStringLiteral("Software Reliability Models"), this);
    auto* softwareBoxes = new QVBoxLayout(software_);
    for (int slot : kScreenOrder) {
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
    // The hardware and system models join these groups with the hardware branch.
    hardware_ = new QGroupBox(QStringLiteral("Hardware Reliability Models"), this);
    system_ = new QGroupBox(QStringLiteral("System Reliability Models"), this);
    new QVBoxLayout(hardware_);
    new QVBoxLayout(system_);
    groups->addWidget(software_);
    groups->addWidget(hardware_);
    groups->addWidget(system_);
    layout->addLayout(groups);

    statistics_ = new QPushButton(QStringLiteral("Statistics"), this);
    statistics_->setAutoDefault(false);
    statistics_->setEnabled(static_cast<bool>(statistics));
    connect(statistics_, &QPushButton::clicked, this, [this, statistics] {
        statistics(QString::fromStdString(StatisticsTitle(state_.modelClass)));
    });
    layout->addLayout(DialogButtons(*this, help, statistics_));
    refresh();
}

void TbfSelectionScreen::refresh() {
    const TbfSelectionEnables e = Enables(state_);
    for (int slot = 0; slot < kTbfModelCount; ++slot) {
        QCheckBox* box = models_[static_cast<std::size_t>(slot)];
        const QSignalBlocker block(box);
        box->setChecked(state_.models[static_cast<std::size_t>(slot)]);
        box->setEnabled(e.models[static_cast<std::size_t>(slot)]);
    }
    {
        const QSignalBlocker block(selectAll_);
        selectAll_->setChecked(state_.selectAll);
        selectAll_->setEnabled(e.selectAll);
    }
    {
        const QSignalBlocker block(applicability_);
        applicability_->setChecked(state_.applicability);
        applicability_->setEnabled(e.applicability);
    }
    hardware_->setEnabled(e.hardwareGroup);
    system_->setEnabled(e.systemGroup);
}

MeasureScreen::MeasureScreen(std::function<void()> help, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Model Applicability Analysis"));
    auto* layout = new QVBoxLayout(this);
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
    layout->addWidget(group);
    layout->addLayout(DialogButtons(*this, help));
}

RangeScreen::RangeScreen(int N, MessageSink& messages, std::function<void()> help, QWidget* parent)
    : QDialog(parent), N_(N), messages_(messages), range_(DefaultRange(N)) {
    setWindowTitle(QStringLiteral("Model Applicability Analysis Range"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral("The Model Applicability Analysis defines the default range as follows "),
        this));
    auto* form = new QFormLayout;
    start_ = new QLineEdit(QString::number(range_.NSB), this);
    end_ = new QLineEdit(QString::number(range_.NSE), this);
    form->addRow(QStringLiteral("Starting Point"), start_);
    form->addRow(QStringLiteral("Ending Point"), end_);
    layout->addLayout(form);
    layout->addLayout(DialogButtons(*this, help));
}

void RangeScreen::accept() {
    const auto NSB = ParseWhole(start_->text());
    const auto NSE = ParseWhole(end_->text());
    // Text that is not a whole number is refused like an index out of range.
    const auto accepted = NSB && NSE ? AcceptRange(*NSB, *NSE, N_) : std::nullopt;
    if (!accepted) {
        messages_.message(this, QStringLiteral("Error"), QString::fromLatin1(kRangeMessage),
                          MessageIcon::Stop);
        return;
    }
    range_ = *accepted;
    QDialog::accept();
}

}  // namespace vnk::screens
