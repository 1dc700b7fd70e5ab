#include "app/screens/data/tbf_edit_screen.h"

#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "app/commands/edit_listing.h"
#include "app/kit/choice_group.h"
#include "app/kit/help_pages.h"
#include "app/kit/messages.h"
#include "app/kit/number_text.h"
#include "app/kit/prompter.h"
#include "app/screens/data/value_screen.h"
#include "numerics/vnkedt.h"

namespace vnk::app {

namespace {

const QStringList kEditButtons = {QStringLiteral("changeButton"), QStringLiteral("insertButton"),
                                  QStringLiteral("deleteButton"), QStringLiteral("mergeButton")};

}  // namespace

TbfEditScreen::TbfEditScreen(Prompter& prompter, FailureDataSet& set, QWidget* parent)
    : Screen(prompter, QStringLiteral("Time Between Failure Edit Screen"), help_page::kEditing,
             parent),
      set_(set),
      work_(set) {
    auto* columns = new QHBoxLayout;
    auto* listColumn = new QVBoxLayout;
    listHeader_ = new QLabel(this);
    listHeader_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    list_ = new QPlainTextEdit(this);
    list_->setObjectName(QStringLiteral("listing"));
    list_->setReadOnly(true);
    list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    list_->setLineWrapMode(QPlainTextEdit::NoWrap);
    list_->setMinimumSize(320, 360);
    listColumn->addWidget(listHeader_);
    listColumn->addWidget(list_, 1);
    columns->addLayout(listColumn, 1);

    auto* fields = new QVBoxLayout;
    number_ = new QSpinBox(this);
    number_->setObjectName(QStringLiteral("failureNumberSpin"));
    number_->setRange(0, kCapacity);
    number_->setValue(work_.tbfCount > 0 ? 1 : 0);
    time_ = new QLineEdit(this);
    time_->setObjectName(QStringLiteral("timeField"));
    auto* top = new QFormLayout;
    top->addRow(QStringLiteral("Failure Number"), number_);
    top->addRow(QStringLiteral("TBF Units"), time_);
    fields->addLayout(top);
    type_ = new ChoiceGroup(
        QStringLiteral("Failure Type"), {QStringLiteral("Software"), QStringLiteral("Hardware")},
        {QStringLiteral("softwareRadio"), QStringLiteral("hardwareRadio")}, this);
    QStringList levels, levelNames;
    for (int k = 1; k <= 4; ++k) {
        levels << QStringLiteral("Level %1").arg(k);
        levelNames << QStringLiteral("level%1Radio").arg(k);
    }
    level_ = new ChoiceGroup(QStringLiteral("Severity Level"), levels, levelNames, this);
    auto* groups = new QHBoxLayout;
    groups->addWidget(type_);
    groups->addWidget(level_);
    fields->addLayout(groups);
    hwCount_ = new QLineEdit(QStringLiteral("-1"), this);
    hwCount_->setObjectName(QStringLiteral("hardwareFailuresField"));
    hwFactor_ = new QLineEdit(QStringLiteral("-1"), this);
    hwFactor_->setObjectName(QStringLiteral("effectivenessField"));
    auto* hardware = new QFormLayout;
    hardware->addRow(QStringLiteral("H/W  Number of Failures"), hwCount_);
    hardware->addRow(QStringLiteral("H/W  Effectiveness Factor"), hwFactor_);
    fields->addLayout(hardware);
    fields->addStretch(1);
    columns->addLayout(fields);
    body()->addLayout(columns);
    connect(type_, &ChoiceGroup::choiceChanged, this, &TbfEditScreen::updateHardwareFields);

    connect(addButton(QStringLiteral("Select"), QStringLiteral("selectButton")),
            &QPushButton::clicked, this, &TbfEditScreen::select);
    connect(addButton(QStringLiteral("Change"), QStringLiteral("changeButton")),
            &QPushButton::clicked, this, &TbfEditScreen::change);
    connect(addButton(QStringLiteral("Insert"), QStringLiteral("insertButton")),
            &QPushButton::clicked, this, &TbfEditScreen::insert);
    connect(addButton(QStringLiteral("Delete"), QStringLiteral("deleteButton")),
            &QPushButton::clicked, this, &TbfEditScreen::remove);
    connect(addButton(QStringLiteral("Merge"), QStringLiteral("mergeButton")),
            &QPushButton::clicked, this, &TbfEditScreen::merge);
    connect(addButton(QStringLiteral("Store"), QStringLiteral("storeButton")),
            &QPushButton::clicked, this, &TbfEditScreen::store);
    connect(addButton(QStringLiteral("OK"), QStringLiteral("okButton")), &QPushButton::clicked,
            this, &TbfEditScreen::ok);
    connect(addButton(QStringLiteral("Cancel"), QStringLiteral("cancelButton")),
            &QPushButton::clicked, this, &TbfEditScreen::cancel);
    addHelpButton();
    // The default button would otherwise be Select, and Return in a field would select.
    button(QStringLiteral("selectButton"))->setDefault(false);

    refreshListing();
    dropSelection();
}

void TbfEditScreen::refreshListing() {
    listHeader_->setText(QStringLiteral(" ") + QString::fromStdString(EditListingHeader(work_)));
    list_->setPlainText(QString::fromStdString(EditListing(work_)));
}

void TbfEditScreen::dropSelection() {
    selected_ = 0;
    for (const QString& name : kEditButtons) button(name)->setEnabled(false);
    number_->setEnabled(true);
    button(QStringLiteral("okButton"))->setEnabled(true);
    for (QWidget* w : std::initializer_list<QWidget*>{time_, type_, level_, hwCount_, hwFactor_})
        w->setEnabled(false);
}

void TbfEditScreen::select() {
    const int n = number_->value();
    if (n > work_.tbfCount) {
        prompter().error(this, QString::fromLatin1(text::kUseAppendForAdditions),
                         QString::fromLatin1(text::kErrorCaption));
        number_->setEnabled(true);
        return;
    }
    if (n < 1) return;
    selected_ = n;
    showSelection();
    for (const QString& name : kEditButtons) button(name)->setEnabled(true);
    number_->setEnabled(false);
    button(QStringLiteral("okButton"))->setEnabled(false);
    time_->setEnabled(true);
    type_->setEnabled(true);
    level_->setEnabled(true);
    updateHardwareFields();
}

void TbfEditScreen::showSelection() {
    const TbfEntry e = work_.entry(selected_);
    time_->setText(fieldText(e.timeBetweenFailures));
    const int type = TruncateToInt(e.failureType);
    type_->setChoice(type == 0 || type == 1 ? type : -1);
    const int level = TruncateToInt(e.severityLevel);
    level_->setChoice(level >= 1 && level <= 4 ? level - 1 : -1);
    const bool hardware = e.failureType != 0.0;
    hwCount_->setText(fieldText(hardware ? e.hardwareFailures : -1.0));
    hwFactor_->setText(fieldText(hardware ? e.effectivenessFactor : -1.0));
}

void TbfEditScreen::updateHardwareFields() {
    const bool on = selected_ > 0 && type_->choice() != 0;
    hwCount_->setEnabled(on);
    hwFactor_->setEnabled(on);
    if (!on) {
        hwCount_->setText(QStringLiteral("-1"));
        hwFactor_->setText(QStringLiteral("-1"));
    }
}

bool TbfEditScreen::fieldValues(TbfEntry& entry) {
    // The same rules as typing a failure in: a time of at least 0, a type and a level, and
    // for a hardware failure either no hardware pair (-1, -1) or a valid one.
    const auto time = parseReal(time_->text());
    const int type = type_->choice();
    const int level = level_->choice();
    bool ok = time && *time >= 0.0 && type >= 0 && level >= 0;
    if (ok) {
        entry.timeBetweenFailures = *time;
        entry.failureType = type;
        entry.severityLevel = level + 1;
        entry.hardwareFailures = -1.0;
        entry.effectivenessFactor = -1.0;
        if (type == 1) {
            const auto count = parseInteger(hwCount_->text());
            const auto factor = parseReal(hwFactor_->text());
            const bool absent = count && *count == -1 && factor && *factor == -1.0;
            const bool valid = count && *count > 0 && factor && *factor >= 0.0 && *factor <= 1.0;
            ok = absent || valid;
            if (valid) {
                entry.hardwareFailures = *count;
                entry.effectivenessFactor = *factor;
            }
        }
    }
    if (!ok)
        showError(QString::fromLatin1(text::kFailureEntryIncomplete),
                  QString::fromLatin1(text::kDataEntryErrorCaption));
    return ok;
}

void TbfEditScreen::edit(int ETYPE, int PT1, int PT2, bool needsValues) {
    TbfEntry entry;
    if (needsValues && !fieldValues(entry)) return;
    const std::array<double, 5> VAL = {entry.timeBetweenFailures, entry.failureType,
                                       entry.severityLevel, entry.hardwareFailures,
                                       entry.effectivenessFactor};
    const int before = work_.tbfCount;
    int NS = work_.tbfCount;
    int ERRFLG = 0;
    VNKEDT(ETYPE, VAL, kCapacity, PT1, PT2, work_.tbfArrays(), NS, ERRFLG);
    if (ERRFLG != edit_error::kNone) {
        showError(QString::fromLatin1(EditErrorMessage(ERRFLG)),
                  QString::fromLatin1(kEditErrorCaption));
        return;
    }
    work_.tbfCount = NS;
    unstored_ = true;
    const bool touchesLast = ETYPE == edit::kMerge ? PT2 == before : PT1 == before;
    if (ETYPE != edit::kInsert && touchesLast) lastTouched_ = true;
    refreshListing();
}

void TbfEditScreen::change() { edit(edit::kChange, selected_, selected_, true); }
void TbfEditScreen::insert() { edit(edit::kInsert, selected_, selected_, true); }
void TbfEditScreen::remove() { edit(edit::kDelete, selected_, selected_, false); }

void TbfEditScreen::merge() {
    MergeScreen screen(prompter(), selected_, work_.tbfCount, this);
    if (prompter().exec(screen) != QDialog::Accepted) return;
    edit(edit::kMerge, selected_, screen.end(), false);
}

void TbfEditScreen::store() {
    for (int i = 1; i <= kCapacity; ++i) set_.setEntry(i, work_.entry(i));
    set_.tbfCount = work_.tbfCount;
    unstored_ = false;
    set_.dataChanged = true;
}

void TbfEditScreen::ok() {
    if (unstored_) {
        const auto answer = prompter().message(
            this, {QString(), QString::fromLatin1(text::kStoreChangesNow), MessageIcon::Question,
                   QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel});
        if (answer == QMessageBox::Cancel) return;
        if (answer == QMessageBox::Yes) {
            store();
            if (lastTouched_) {
                FailureFreeTimeScreen time(prompter(), set_.failureFreeTime, this);
                if (prompter().exec(time) == QDialog::Accepted) set_.failureFreeTime = time.value();
            }
        }
    }
    accept();
}

void TbfEditScreen::cancel() {
    if (selected_ > 0) {
        dropSelection();
        return;
    }
    if (unstored_) {
        const auto answer =
            prompter().message(this, {QString(), QString::fromLatin1(text::kContinueWithoutStoring),
                                      MessageIcon::Question,
                                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel});
        if (answer == QMessageBox::Cancel) return;
        if (answer == QMessageBox::No) store();
    }
    QDialog::reject();
}

// ---- Data Edit - Merge -----------------------------------------------------------------------

MergeScreen::MergeScreen(Prompter& prompter, int first, int last, QWidget* parent)
    : Screen(prompter, QStringLiteral("Data Edit - Merge"), help_page::kEditing, parent) {
    auto* label = new QLabel(QStringLiteral("Enter the ending index for this data merge:"), this);
    end_ = new QSpinBox(this);
    end_->setObjectName(QStringLiteral("endSpin"));
    end_->setRange(first, std::max(first, last));
    end_->setValue(first);
    body()->addWidget(label);
    body()->addWidget(end_);
    addOkCancelHelp();
}

int MergeScreen::end() const { return end_->value(); }

}  // namespace vnk::app
