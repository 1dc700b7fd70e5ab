#include "app/screens/data/descriptor_screens.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "app/kit/choice_group.h"
#include "app/kit/help_pages.h"
#include "app/kit/messages.h"
#include "app/kit/number_text.h"

namespace vnk::app {

namespace {

const QString kHistoryCaption = QStringLiteral("Specify Error History Type to be Processed");

QStringList unitNames() {
    return {QStringLiteral("Seconds"), QStringLiteral("Minutes"), QStringLiteral("Hours"),
            QStringLiteral("Days"),    QStringLiteral("Weeks"),   QStringLiteral("Months"),
            QStringLiteral("Years")};
}

ChoiceGroup* severityGroup(QWidget* parent) {
    return new ChoiceGroup(QStringLiteral("Severity Levels are"),
                           {QStringLiteral("All the Same Level"), QStringLiteral("Variable")},
                           {QStringLiteral("sameLevelRadio"), QStringLiteral("variableLevelRadio")},
                           parent);
}

}  // namespace

// ---- Specify Data Type to be Processed ------------------------------------------------------

DataTypeScreen::DataTypeScreen(Prompter& prompter, QWidget* parent)
    : Screen(prompter, QStringLiteral("Specify Data Type to be Processed"), help_page::kDataEntry,
             parent) {
    types_ = new ChoiceGroup(
        QStringLiteral("Data Types"),
        {QStringLiteral("Time-Between-Failure Data"), QStringLiteral("Interval Data Counts")},
        {QStringLiteral("tbfRadio"), QStringLiteral("intervalRadio")}, this);
    body()->addWidget(types_);
    addOkCancelHelp();
}

DataKind DataTypeScreen::choice() const {
    switch (types_->choice()) {
        case 0:
            return DataKind::Tbf;
        case 1:
            return DataKind::Interval;
        default:
            return DataKind::None;
    }
}

// ---- Specify Error History Type to be Processed (TBF) ---------------------------------------

TbfHistoryScreen::TbfHistoryScreen(Prompter& prompter, const FailureDataSet& set, QWidget* parent)
    : Screen(prompter, kHistoryCaption, help_page::kDataEntry, parent) {
    history_ = new ChoiceGroup(
        QStringLiteral("Error History"),
        {QStringLiteral("Software Error History"), QStringLiteral("Hardware Error History"),
         QStringLiteral("System Error History")},
        {QStringLiteral("softwareRadio"), QStringLiteral("hardwareRadio"),
         QStringLiteral("systemRadio")},
        this);
    severity_ = severityGroup(this);
    auto* groups = new QHBoxLayout;
    groups->addWidget(history_);
    groups->addWidget(severity_);
    body()->addLayout(groups);

    units_ = new QComboBox(this);
    units_->setObjectName(QStringLiteral("unitsCombo"));
    units_->setEditable(true);
    units_->addItems(unitNames());
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Measurement Units"), units_);
    body()->addLayout(form);

    const int history = static_cast<int>(set.errorHistory);
    history_->setChoice(history >= 0 && history <= 2 ? history : -1);
    severity_->setChoice(
        set.severityType == SeverityType::None ? -1 : static_cast<int>(set.severityType));
    const int unit = static_cast<int>(set.tbfUnit);
    units_->setCurrentIndex(unit >= 1 && unit <= 7 ? unit - 1 : -1);
    if (unit < 1 || unit > 7) units_->setEditText(QString());

    addOkCancelHelp();
}

void TbfHistoryScreen::apply(FailureDataSet& set) const {
    switch (history_->choice()) {
        case 0:
            set.errorHistory = ErrorHistory::Software;
            set.hardwareFieldsPresent = false;
            break;
        case 1:
            set.errorHistory = ErrorHistory::Hardware;
            set.hardwareFieldsPresent = true;
            break;
        case 2:
            set.errorHistory = ErrorHistory::System;
            set.hardwareFieldsPresent = true;
            break;
        default:
            set.errorHistory = ErrorHistory::None;
            break;
    }
    switch (severity_->choice()) {
        case 0:
            set.severityType = SeverityType::SameLevel;
            break;
        case 1:
            set.severityType = SeverityType::Variable;
            break;
        default:
            set.severityType = SeverityType::None;
            break;
    }
    const int unit = unitNames().indexOf(units_->currentText());
    set.tbfUnit = static_cast<TbfUnit>(unit < 0 ? 0 : unit + 1);
}

// ---- Specify Error History to be Processed ---------------------------------------------------

ErrorHistoryScreen::ErrorHistoryScreen(Prompter& prompter, QWidget* parent)
    : Screen(prompter, QStringLiteral("Specify Error History to be Processed"),
             help_page::kDataEntry, parent) {
    history_ = new ChoiceGroup(
        QStringLiteral("Error History"),
        {QStringLiteral("Software Error History"), QStringLiteral("Hardware Error History")},
        {QStringLiteral("softwareRadio"), QStringLiteral("hardwareRadio")}, this);
    body()->addWidget(history_);
    addOkCancelHelp();
}

ErrorHistory ErrorHistoryScreen::choice() const {
    switch (history_->choice()) {
        case 0:
            return ErrorHistory::Software;
        case 1:
            return ErrorHistory::Hardware;
        default:
            return ErrorHistory::None;
    }
}

// ---- Interval software options ----------------------------------------------------------------

IntervalSoftwareOptionsScreen::IntervalSoftwareOptionsScreen(Prompter& prompter, QWidget* parent)
    : Screen(prompter, kHistoryCaption, help_page::kDataEntry, parent) {
    lengths_ = new ChoiceGroup(
        QStringLiteral("Interval Lengths"),
        {QStringLiteral("All the Same Lengths"), QStringLiteral("Variable")},
        {QStringLiteral("sameLengthsRadio"), QStringLiteral("variableLengthsRadio")}, this);
    portion_ = new ChoiceGroup(
        QStringLiteral("Portion of the Program Under Test"),
        {QStringLiteral("Total Program 100%"), QStringLiteral("Variable Portions")},
        {QStringLiteral("totalProgramRadio"), QStringLiteral("variablePortionsRadio")}, this);
    corrections_ = new ChoiceGroup(
        QStringLiteral("Fault Corrections"),
        {QStringLiteral("Faults are corrected in periods \nin which they are detected"),
         QStringLiteral("Faults are corrected in later periods")},
        {QStringLiteral("correctedInPeriodRadio"), QStringLiteral("correctedLaterRadio")}, this);
    severity_ = severityGroup(this);
    for (ChoiceGroup* g : {lengths_, portion_, corrections_, severity_}) {
        g->setChoice(0);
        body()->addWidget(g);
    }
    addOkCancelHelp();
}

void IntervalSoftwareOptionsScreen::apply(FailureDataSet& set) const {
    set.intervalLengths =
        lengths_->choice() == 1 ? IntervalLengths::Variable : IntervalLengths::AllSame;
    set.programPortion = portion_->choice() == 1 ? ProgramPortion::Variable : ProgramPortion::Total;
    set.faultCorrection = corrections_->choice() == 1 ? FaultCorrection::InLaterPeriods
                                                      : FaultCorrection::InDetectionPeriod;
    set.intervalSeverity =
        severity_->choice() == 1 ? IntervalSeverity::Variable : IntervalSeverity::SameLevel;
}

// ---- Interval hardware options ----------------------------------------------------------------

IntervalHardwareOptionsScreen::IntervalHardwareOptionsScreen(Prompter& prompter,
                                                             const FailureDataSet& set,
                                                             QWidget* parent)
    : Screen(prompter, kHistoryCaption, help_page::kDataEntry, parent) {
    units_ = new ChoiceGroup(
        QStringLiteral("Number of Units Placed on Test"),
        {QStringLiteral("Constant Number of Units for all Intervals"), QStringLiteral("Variable")},
        {QStringLiteral("constantUnitsRadio"), QStringLiteral("variableUnitsRadio")}, this);
    constant_ = new QLineEdit(this);
    constant_->setObjectName(QStringLiteral("constantField"));
    auto* constantRow = new QFormLayout;
    constantRow->addRow(QStringLiteral("If constant, enter value:"), constant_);
    static_cast<QVBoxLayout*>(units_->layout())->insertLayout(1, constantRow);
    severity_ = severityGroup(this);
    body()->addWidget(units_);
    body()->addWidget(severity_);

    const bool constant = set.unitsOnTest == UnitsOnTest::Constant;
    units_->setChoice(constant ? 0 : 1);
    constant_->setText(constant ? fieldText(set.constantUnitsOnTest()) : QString());
    severity_->setChoice(set.intervalSeverity == IntervalSeverity::Variable ? 1 : 0);
    connect(units_, &ChoiceGroup::choiceChanged, this,
            &IntervalHardwareOptionsScreen::updateFields);
    updateFields();

    connect(addButton(QStringLiteral("OK"), QStringLiteral("okButton")), &QPushButton::clicked,
            this, &IntervalHardwareOptionsScreen::ok);
    connect(addButton(QStringLiteral("Cancel"), QStringLiteral("cancelButton")),
            &QPushButton::clicked, this, &QDialog::reject);
    addHelpButton();
}

void IntervalHardwareOptionsScreen::updateFields() { constant_->setEnabled(units_->choice() == 0); }

void IntervalHardwareOptionsScreen::ok() {
    if (units_->choice() == 0) {
        const auto v = parseReal(constant_->text());
        if (!v || *v <= 0.0) {
            showError(QString::fromLatin1(text::kIllegalUnitsOnTest),
                      QString::fromLatin1(text::kUpperErrorCaption));
            return;
        }
        constantValue_ = *v;
    }
    accept();
}

void IntervalHardwareOptionsScreen::apply(FailureDataSet& set) const {
    const bool constant = units_->choice() == 0;
    set.unitsOnTest = constant ? UnitsOnTest::Constant : UnitsOnTest::Variable;
    set.constantUnitsOnTest() = constant ? constantValue_ : 0.0;
    set.intervalSeverity =
        severity_->choice() == 1 ? IntervalSeverity::Variable : IntervalSeverity::SameLevel;
}

// ---- Additional Input Values Needed ----------------------------------------------------------

AdditionalInputScreen::AdditionalInputScreen(Prompter& prompter, QWidget* parent)
    : Screen(prompter, QStringLiteral("Additional Input Values Needed"), help_page::kDataEntry,
             parent) {
    auto* row = new QHBoxLayout;
    auto* icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(size, size));
    icon->setAlignment(Qt::AlignTop);
    auto* message = new QLabel(QString::fromLatin1(text::kAdditionalInputText), this);
    message->setObjectName(QStringLiteral("messageLabel"));
    message->setWordWrap(true);
    message->setMinimumWidth(380);
    row->addWidget(icon);
    row->addWidget(message, 1);
    body()->addLayout(row);
    connect(addButton(QStringLiteral("OK"), QStringLiteral("okButton")), &QPushButton::clicked,
            this, &QDialog::accept);
    connect(addButton(QStringLiteral("Skip"), QStringLiteral("skipButton")), &QPushButton::clicked,
            this, &QDialog::reject);
    addHelpButton();
}

}  // namespace vnk::app
