#include "app/screens/data/value_screen.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/kit/help_pages.h"
#include "app/kit/messages.h"
#include "app/kit/number_text.h"
#include "app/kit/prompter.h"

namespace vnk::app {

ValueScreen::ValueScreen(Prompter& prompter, const QString& caption, const QString& prompt,
                         const QString& initialText, bool withCancel, const QString& helpPage,
                         QWidget* parent)
    : Screen(prompter, caption, helpPage, parent) {
    auto* label = new QLabel(prompt, this);
    label->setWordWrap(true);
    body()->addWidget(label);
    field_ = new QLineEdit(initialText, this);
    field_->setObjectName(QStringLiteral("valueField"));
    label->setBuddy(field_);
    body()->addWidget(field_);
    connect(addButton(QStringLiteral("OK"), QStringLiteral("okButton")), &QPushButton::clicked,
            this, &ValueScreen::ok);
    if (withCancel)
        connect(addButton(QStringLiteral("Cancel"), QStringLiteral("cancelButton")),
                &QPushButton::clicked, this, &QDialog::reject);
    addHelpButton();
    setMinimumWidth(360);
}

void ValueScreen::ok() {
    if (acceptValue(field_->text())) accept();
}

void ValueScreen::rejectInteger(int low, int high) {
    prompter().exclamation(this, QString::fromLatin1(text::kIntegerRange).arg(low).arg(high));
    field_->setFocus();
}

void ValueScreen::rejectNumber() {
    prompter().exclamation(this, QString::fromLatin1(text::kEnterNumber));
    field_->setFocus();
}

// ---- Cell Combinations ----------------------------------------------------------------------

CellCombinationsScreen::CellCombinationsScreen(Prompter& prompter, int current, QWidget* parent)
    : ValueScreen(prompter, QStringLiteral("Cell Combinations"),
                  QStringLiteral("Cell Combination Frequency to be used for Interval Data "
                                 "Chi-Square Goodness of Fit Analysis."),
                  QString::number(current), false, help_page::kSetupMenu, parent),
      value_(current) {}

bool CellCombinationsScreen::acceptValue(const QString& text) {
    const auto v = parseInteger(text);
    if (!v || *v < 0 || *v > 32000) {
        rejectInteger(0, 32000);
        return false;
    }
    value_ = *v;
    return true;
}

// ---- Set Iteration Maximum ------------------------------------------------------------------

IterationMaximumScreen::IterationMaximumScreen(Prompter& prompter, double current, QWidget* parent)
    : ValueScreen(prompter, QStringLiteral("Set Iteration Maximum"),
                  QStringLiteral("Iteration Maximum for Interval Software Data Models:"),
                  fieldText(current), false, help_page::kSetupMenu, parent),
      value_(current) {}

bool IterationMaximumScreen::acceptValue(const QString& text) {
    const auto v = parseReal(text);
    if (!v) {
        rejectNumber();
        return false;
    }
    value_ = *v;
    return true;
}

// ---- Comparison Hold-Out --------------------------------------------------------------------

HoldOutScreen::HoldOutScreen(Prompter& prompter, double current, QWidget* parent)
    : ValueScreen(prompter, QStringLiteral("Comparison Hold-Out"),
                  QStringLiteral("Share of the data held back for the predictive squared error "
                                 "(0.01 to 0.9):"),
                  QString::number(current), true, help_page::kModelComparison, parent),
      value_(current) {}

bool HoldOutScreen::acceptValue(const QString& text) {
    const auto v = parseReal(text);
    if (!v || !(*v >= 0.01 && *v <= 0.9)) {
        prompter().exclamation(this, QStringLiteral("Enter a share from 0.01 to 0.9."));
        field()->setFocus();
        return false;
    }
    value_ = *v;
    return true;
}

// ---- Prediction Number ----------------------------------------------------------------------

PredictionNumberScreen::PredictionNumberScreen(Prompter& prompter, int current, QWidget* parent)
    : ValueScreen(prompter, QStringLiteral("Prediction Number"),
                  QStringLiteral("Prediction Number:"), QString::number(current), true,
                  help_page::kSetupMenu, parent),
      value_(current) {}

bool PredictionNumberScreen::acceptValue(const QString& text) {
    const auto v = parseInteger(text);
    if (!v || *v < 0 || *v > 1000000) {
        rejectInteger(0, 1000000);
        return false;
    }
    value_ = *v;
    return true;
}

// ---- Failure Free Test Time Input Screen ----------------------------------------------------

FailureFreeTimeScreen::FailureFreeTimeScreen(Prompter& prompter, double current, QWidget* parent)
    : ValueScreen(prompter, QStringLiteral("Failure Free Test Time Input Screen"),
                  QStringLiteral("Enter failure - free time after last recorded failure."),
                  fieldText(current), true, help_page::kDataEntry, parent),
      value_(current) {}

bool FailureFreeTimeScreen::acceptValue(const QString& text) {
    const auto v = parseReal(text);
    if (!v) {
        rejectNumber();
        return false;
    }
    if (*v >= 0.0) value_ = *v;
    return true;
}

// ---- Corrections made after the Final Interval ----------------------------------------------

CorrectionsScreen::CorrectionsScreen(Prompter& prompter, double lastIntervalFaults, QWidget* parent)
    : ValueScreen(prompter, QStringLiteral("Corrections made after the Final Interval"),
                  QStringLiteral("Enter the number of corrections made after the final interval:"),
                  fieldText(lastIntervalFaults), false, help_page::kDataEntry, parent),
      limit_(lastIntervalFaults),
      value_(lastIntervalFaults) {}

bool CorrectionsScreen::acceptValue(const QString& text) {
    const auto v = parseReal(text);
    if (!v || *v < 0.0 || *v > limit_) {
        prompter().error(this, QString::fromLatin1(text::kCorrectionsRange),
                         QString::fromLatin1(text::kErrorCaption));
        return false;
    }
    value_ = *v;
    return true;
}

}  // namespace vnk::app
