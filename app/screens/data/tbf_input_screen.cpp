#include "app/screens/data/tbf_input_screen.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/kit/choice_group.h"
#include "app/kit/help_pages.h"
#include "app/kit/messages.h"
#include "app/kit/number_text.h"
#include "app/kit/prompter.h"

namespace vnk::app {

TbfInputScreen::TbfInputScreen(Prompter& prompter, FailureDataSet& set, QWidget* parent)
    : Screen(prompter, QStringLiteral("Time Between Failure Input Screen"), help_page::kDataEntry,
             parent),
      set_(set) {
    number_ = new QLineEdit(this);
    number_->setObjectName(QStringLiteral("failureNumberField"));
    number_->setReadOnly(true);
    time_ = new QLineEdit(this);
    time_->setObjectName(QStringLiteral("timeField"));
    auto* top = new QFormLayout;
    top->addRow(QStringLiteral("Failure Number"), number_);
    top->addRow(QStringLiteral("TBF Units"), time_);
    body()->addLayout(top);

    type_ = new ChoiceGroup(
        QStringLiteral("Failure Type"), {QStringLiteral("Software"), QStringLiteral("Hardware")},
        {QStringLiteral("softwareRadio"), QStringLiteral("hardwareRadio")}, this);
    QStringList levels, levelNames;
    for (int k = 1; k <= 4; ++k) {
        levels << QStringLiteral("   Level    %1").arg(k);
        levelNames << QStringLiteral("level%1Radio").arg(k);
    }
    level_ = new ChoiceGroup(QStringLiteral("Severity Level"), levels, levelNames, this);
    auto* groups = new QHBoxLayout;
    groups->addWidget(type_);
    groups->addWidget(level_);
    body()->addLayout(groups);

    hwCount_ = new QLineEdit(this);
    hwCount_->setObjectName(QStringLiteral("hardwareFailuresField"));
    hwFactor_ = new QLineEdit(this);
    hwFactor_->setObjectName(QStringLiteral("effectivenessField"));
    auto* hardware = new QFormLayout;
    hardware->addRow(QStringLiteral("H/W  Number of Failures"), hwCount_);
    hardware->addRow(QStringLiteral("H/W  Effectiveness Factor"), hwFactor_);
    body()->addLayout(hardware);

    connect(addButton(QStringLiteral("Enter"), QStringLiteral("enterButton")),
            &QPushButton::clicked, this, &TbfInputScreen::enter);
    connect(addButton(QStringLiteral("Done"), QStringLiteral("doneButton")), &QPushButton::clicked,
            this, &TbfInputScreen::finish);
    connect(addButton(QStringLiteral("Cancel"), QStringLiteral("cancelButton")),
            &QPushButton::clicked, this, &TbfInputScreen::reject);
    addHelpButton();

    const bool system = set_.errorHistory == ErrorHistory::System;
    const bool variable = set_.severityType == SeverityType::Variable;
    type_->setEnabled(system);
    level_->setEnabled(variable);
    connect(type_, &ChoiceGroup::choiceChanged, this, &TbfInputScreen::updateHardwareFields);

    // The pending entry is counted from the moment the screen opens.
    ++set_.tbfCount;
    showPending();
}

// A screen destroyed without Done or Cancel must not leave its pending entry counted.
TbfInputScreen::~TbfInputScreen() { dropPending(); }

int TbfInputScreen::fixedFailureType() const {
    return set_.errorHistory == ErrorHistory::Hardware ? 1 : 0;
}

void TbfInputScreen::showPending() {
    number_->setText(QString::number(set_.tbfCount));
    time_->setText(QStringLiteral("-1"));
    hwCount_->setText(QStringLiteral("-1"));
    hwFactor_->setText(QStringLiteral("-1"));
    // Choices that are not the user's to make are shown as they will be stored.
    type_->setChoice(set_.errorHistory == ErrorHistory::System ? -1 : fixedFailureType());
    level_->setChoice(set_.severityType == SeverityType::Variable ? -1 : 0);
    updateHardwareFields();
    time_->setFocus();
    time_->selectAll();
}

void TbfInputScreen::updateHardwareFields() {
    const bool on = set_.hardwareFieldsPresent && type_->choice() == 1;
    hwCount_->setEnabled(on);
    hwFactor_->setEnabled(on);
}

bool TbfInputScreen::pendingEntry(TbfEntry& entry) const {
    const auto time = parseReal(time_->text());
    if (!time || *time < 0.0) return false;
    const int type = type_->choice();
    const int level = level_->choice();
    if (type < 0 || level < 0) return false;
    entry.timeBetweenFailures = *time;
    entry.failureType = type;
    entry.severityLevel = level + 1;
    entry.hardwareFailures = -1.0;
    entry.effectivenessFactor = -1.0;
    if (type == 1 && set_.hardwareFieldsPresent) {
        const auto count = parseInteger(hwCount_->text());
        const auto factor = parseReal(hwFactor_->text());
        if (!count || *count <= 0 || !factor || *factor < 0.0 || *factor > 1.0) return false;
        entry.hardwareFailures = *count;
        entry.effectivenessFactor = *factor;
    }
    return true;
}

void TbfInputScreen::enter() {
    // The last element is never filled here, so typed data sets hold at most 999 entries.
    if (pendingDropped_) return;
    if (set_.tbfCount >= kCapacity) {
        finish();
        return;
    }
    TbfEntry entry;
    if (!pendingEntry(entry)) {
        showError(QString::fromLatin1(text::kFailureEntryIncomplete),
                  QString::fromLatin1(text::kDataEntryErrorCaption));
        return;
    }
    set_.setEntry(set_.tbfCount, entry);
    ++set_.tbfCount;
    showPending();
}

void TbfInputScreen::dropPending() {
    if (pendingDropped_) return;
    pendingDropped_ = true;
    --set_.tbfCount;
}

void TbfInputScreen::finish() {
    dropPending();
    accept();
}

void TbfInputScreen::reject() {
    dropPending();
    QDialog::reject();
}

}  // namespace vnk::app
