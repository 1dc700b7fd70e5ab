#include "app/screens/model/calendar_time_screen.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/kit/prompter.h"
#include "app/kit/value_display.h"
#include "app/kit/value_field.h"

namespace vnk::screens {

CalendarTimeScreen::CalendarTimeScreen(const models::CalendarTimeInputs& opening,
                                       app::Prompter& prompter, CalendarTimeActions actions,
                                       QWidget* parent)
    : Screen(prompter, QString::fromLatin1(models::kCalendarTimeTitle), QString(), parent),
      actions_(std::move(actions)) {
    closeButtonGap();
    QVBoxLayout* layout = body();
    auto* grid = new QGridLayout;
    int row = 0;
    for (const models::CalendarTimeField& f : models::CalendarTimeFields()) {
        auto* label = new QLabel(QString::fromStdString(f.label), this);
        label->setWordWrap(true);
        const double value = f.value ? opening.*f.value : static_cast<double>(opening.NS);
        auto* box = new QLineEdit(ValueText(value), this);
        // Wide enough for the whole opening value (up to 17 digits), which the user edits.
        const QFontMetrics metrics = box->fontMetrics();
        box->setMinimumWidth(std::max(metrics.horizontalAdvance(QLatin1Char('0')) * 14,
                                      metrics.horizontalAdvance(box->text()) + 16));
        box->setCursorPosition(0);
        // A result belongs to the values it was computed from: editing one withdraws it.
        connect(box, &QLineEdit::textEdited, this, [this] { showResult(0.0); });
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        fields_.push_back(box);
        ++row;
    }
    result_ = NewValueBox(this);
    ShowValue(*result_, 0.0, kCalendarDecimals);
    result_->setMinimumWidth(result_->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 14);
    auto* resultLabel = new QLabel(QString::fromLatin1(models::kCalendarTimeResultLabel), this);
    QFont bold = resultLabel->font();
    bold.setBold(true);
    resultLabel->setFont(bold);
    grid->addWidget(resultLabel, row, 0);
    grid->addWidget(result_, row, 1);
    grid->setColumnStretch(0, 1);
    layout->addLayout(grid);

    run_ = addButton(QStringLiteral("Run"), QStringLiteral("runButton"));
    print_ = addButton(QStringLiteral("Print"), QStringLiteral("printButton"));
    ok_ = addButton(QStringLiteral("OK"), QStringLiteral("okButton"));
    help_ = addButton(QStringLiteral("Help"), QStringLiteral("helpButton"));
    run_->setDefault(false);
    ok_->setDefault(true);
    fillButtonRow();
    print_->setEnabled(static_cast<bool>(actions_.print));
    // The caller knows the help page.
    help_->setEnabled(static_cast<bool>(actions_.help));
    connect(run_, &QPushButton::clicked, this, &CalendarTimeScreen::run);
    connect(print_, &QPushButton::clicked, this, &CalendarTimeScreen::print);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(help_, &QPushButton::clicked, this, [this] { actions_.help(); });
    resize(760, sizeHint().height());
}

std::optional<models::CalendarTimeInputs> CalendarTimeScreen::typedInputs() {
    models::CalendarTimeInputs in;
    const auto& fields = models::CalendarTimeFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        QLineEdit* box = fields_[i];
        bool ok = false;
        if (fields[i].value) {
            const auto value = ParseValue(box->text());
            if (value) in.*fields[i].value = *value;
            ok = value.has_value();
        } else {
            const auto NS = ParseWhole(box->text());
            if (NS) in.NS = *NS;
            ok = NS.has_value();
        }
        if (!ok) {
            box->setFocus();
            box->selectAll();
            return std::nullopt;
        }
    }
    return in;
}

void CalendarTimeScreen::run() {
    const auto in = typedInputs();
    if (!in) return;
    const models::CalendarTimeOutcome outcome = models::RunCalendarTime(*in);
    showResult(outcome.XINT);
    if (!outcome.errorMessage.empty())
        prompter().message(this, app::Message{QString::fromStdString(outcome.errorCaption),
                                              QString::fromStdString(outcome.errorMessage),
                                              app::MessageIcon::Stop});
}

void CalendarTimeScreen::print() {
    if (!actions_.print) return;
    const auto in = typedInputs();
    if (!in) return;
    actions_.print(models::CalendarTimeReport(*in, XINT_));
}

void CalendarTimeScreen::showResult(double XINT) {
    XINT_ = XINT;
    ShowValue(*result_, XINT, kCalendarDecimals);
}

void OpenCalendarTime(const models::ModelContext& context, int tbfUnit, app::Prompter& prompter,
                      CalendarTimeActions actions, QWidget* parent) {
    const std::string warning = models::CalendarTimeWarning(tbfUnit);
    if (!warning.empty())
        prompter.message(parent, app::Message{QString(), QString::fromStdString(warning),
                                              app::MessageIcon::Exclamation});
    CalendarTimeScreen screen(models::CalendarTimeDefaults(context), prompter, std::move(actions),
                              parent);
    prompter.exec(screen);
}

}  // namespace vnk::screens
