#include "app/screens/data/interval_input_screens.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/commands/interval_entry.h"
#include "app/kit/help_pages.h"
#include "app/kit/messages.h"
#include "app/kit/number_text.h"

namespace vnk::app {

namespace {

QLineEdit* numberField(QWidget* parent, const QString& name, const QString& text) {
    auto* f = new QLineEdit(text, parent);
    f->setObjectName(name);
    f->setMaximumWidth(110);
    return f;
}

// A count field: a whole number of at least 0.
bool readCount(const QLineEdit* field, double& value) {
    const auto v = parseInteger(field->text());
    if (!v || *v < 0) return false;
    value = *v;
    return true;
}

}  // namespace

// ---- Interval Software Data Input ------------------------------------------------------------

IntervalSoftwareInputScreen::IntervalSoftwareInputScreen(Prompter& prompter, FailureDataSet& set,
                                                         QWidget* parent)
    : Screen(prompter, QStringLiteral("Interval Software Data Input"), help_page::kDataEntry,
             parent),
      set_(set) {
    number_ = numberField(this, QStringLiteral("intervalNumberField"), QStringLiteral("1"));
    number_->setReadOnly(true);
    length_ = numberField(this, QStringLiteral("lengthField"), QStringLiteral("1"));
    fraction_ = numberField(this, QStringLiteral("fractionField"), QStringLiteral("1"));
    auto* top = new QFormLayout;
    top->addRow(QStringLiteral("Interval Number:"), number_);
    top->addRow(QStringLiteral("Interval Length:"), length_);
    top->addRow(QStringLiteral("Fractional Part:"), fraction_);
    body()->addLayout(top);

    auto* grid = new QGridLayout;
    const QStringList headings = {QStringLiteral("Fault Count"), QStringLiteral("Previous Faults"),
                                  QStringLiteral("Fault Corrections")};
    const QStringList names = {QStringLiteral("fault"), QStringLiteral("previousFault"),
                               QStringLiteral("correction")};
    std::array<std::array<QLineEdit*, 4>*, 3> columns = {&faults_, &previous_, &corrections_};
    for (int c = 0; c < 3; ++c) {
        grid->addWidget(new QLabel(headings[c], this), 0, c + 1);
        for (int level = 1; level <= 4; ++level) {
            if (c == 0)
                grid->addWidget(new QLabel(QStringLiteral("Level %1:").arg(level), this), level, 0);
            QLineEdit* f =
                numberField(this, QStringLiteral("%1Level%2Field").arg(names[c]).arg(level),
                            QStringLiteral("0"));
            (*columns[static_cast<std::size_t>(c)])[index(level)] = f;
            grid->addWidget(f, level, c + 1);
        }
    }
    body()->addLayout(grid);

    // Fields the interval descriptors make meaningless keep their preset values.
    length_->setEnabled(set_.intervalLengths == IntervalLengths::Variable);
    const bool portions = set_.programPortion == ProgramPortion::Variable;
    fraction_->setEnabled(portions);
    const bool laterCorrections = set_.faultCorrection == FaultCorrection::InLaterPeriods;
    const bool levels = set_.intervalSeverity == IntervalSeverity::Variable;
    for (int level = 1; level <= 4; ++level) {
        const bool levelOn = level == 1 || levels;
        faultField(level)->setEnabled(levelOn);
        previousFaultField(level)->setEnabled(levelOn && portions);
        correctionField(level)->setEnabled(levelOn && laterCorrections);
    }

    enter_ = addButton(QStringLiteral("Enter"), QStringLiteral("enterButton"));
    connect(enter_, &QPushButton::clicked, this, &IntervalSoftwareInputScreen::enter);
    connect(addButton(QStringLiteral("Done"), QStringLiteral("doneButton")), &QPushButton::clicked,
            this, &IntervalSoftwareInputScreen::finish);
    connect(addButton(QStringLiteral("Cancel"), QStringLiteral("cancelButton")),
            &QPushButton::clicked, this, &QDialog::reject);
    addHelpButton();
}

void IntervalSoftwareInputScreen::enter() {
    if (counter_ >= kCapacity) return;
    SoftwareIntervalValues v;
    bool ok = true;
    if (const auto length = parseReal(length_->text()))
        v.length = *length;
    else
        ok = false;
    if (const auto fraction = parseReal(fraction_->text()))
        v.fraction = *fraction;
    else
        ok = false;
    for (int level = 1; level <= 4; ++level) {
        ok = readCount(faultField(level), v.faults[index(level)]) && ok;
        ok = readCount(previousFaultField(level), v.previousFaults[index(level)]) && ok;
        ok = readCount(correctionField(level), v.corrections[index(level)]) && ok;
    }
    if (!ok || !v.isValid()) {
        showError(QString::fromLatin1(text::kIntervalEntryIncomplete),
                  QString::fromLatin1(text::kDataEntryErrorCaption));
        return;
    }
    storeSoftwareInterval(set_, counter_, v);
    ++counter_;
    number_->setText(QString::number(counter_));
    // The matrix holds no interval beyond its capacity; entry ends with Done.
    enter_->setEnabled(counter_ < kCapacity);
}

void IntervalSoftwareInputScreen::finish() {
    completeSoftwareIntervalEntry(set_, counter_ - 1);
    accept();
}

// ---- Interval Hardware Data Input ------------------------------------------------------------

IntervalHardwareInputScreen::IntervalHardwareInputScreen(Prompter& prompter, FailureDataSet& set,
                                                         QWidget* parent)
    : Screen(prompter, QStringLiteral("Interval Hardware Data Input"), help_page::kDataEntry,
             parent),
      set_(set) {
    number_ = numberField(this, QStringLiteral("intervalNumberField"), QStringLiteral("1"));
    number_->setReadOnly(true);
    units_ = numberField(this, QStringLiteral("unitsOnTestField"), QString());
    auto* top = new QFormLayout;
    top->addRow(QStringLiteral("Interval Number:"), number_);
    top->addRow(QStringLiteral("Units on Test:"), units_);
    body()->addLayout(top);

    auto* group = new QGroupBox(QStringLiteral("Units Failing"), this);
    auto* failing = new QFormLayout(group);
    const bool levels = set_.intervalSeverity == IntervalSeverity::Variable;
    for (int level = 1; level <= 4; ++level) {
        QLineEdit* f = numberField(this, QStringLiteral("failingLevel%1Field").arg(level),
                                   QStringLiteral("0"));
        f->setEnabled(level == 1 || levels);
        failing_[static_cast<std::size_t>(level - 1)] = f;
        failing->addRow(QStringLiteral("Level %1:").arg(level), f);
    }
    body()->addWidget(group);
    units_->setEnabled(set_.unitsOnTest != UnitsOnTest::Constant);
    resetFields();

    enter_ = addButton(QStringLiteral("Enter"), QStringLiteral("enterButton"));
    connect(enter_, &QPushButton::clicked, this, &IntervalHardwareInputScreen::enter);
    connect(addButton(QStringLiteral("Done"), QStringLiteral("doneButton")), &QPushButton::clicked,
            this, &IntervalHardwareInputScreen::finish);
    connect(addButton(QStringLiteral("Cancel"), QStringLiteral("cancelButton")),
            &QPushButton::clicked, this, &QDialog::reject);
    addHelpButton();
}

void IntervalHardwareInputScreen::resetFields() {
    units_->setText(fieldText(set_.constantUnitsOnTest()));
    for (QLineEdit* f : failing_) f->setText(QStringLiteral("0"));
}

void IntervalHardwareInputScreen::enter() {
    if (counter_ >= kCapacity) return;
    HardwareIntervalValues v;
    bool ok = true;
    if (const auto units = parseReal(units_->text()))
        v.unitsOnTest = *units;
    else
        ok = false;
    for (int level = 1; level <= 4; ++level)
        ok = readCount(failingField(level), v.unitsFailing[static_cast<std::size_t>(level - 1)]) &&
             ok;
    if (!ok || !v.isValid()) {
        showError(QString::fromLatin1(text::kIntervalEntryIncomplete),
                  QString::fromLatin1(text::kDataEntryErrorCaption));
        return;
    }
    storeHardwareInterval(set_, counter_, v);
    ++counter_;
    number_->setText(QString::number(counter_));
    resetFields();
    enter_->setEnabled(counter_ < kCapacity);
}

void IntervalHardwareInputScreen::finish() {
    set_.intervalCount = counter_ - 1;
    accept();
}

}  // namespace vnk::app
