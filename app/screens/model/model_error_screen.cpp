#include "app/screens/model/model_error_screen.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/kit/value_field.h"
#include "app/screens/model/estimate_table.h"
#include "execution/model_reports.h"

namespace vnk::screens {

namespace {

const std::string& ErrorTitle(const models::ModelDescription& d) {
    return d.errorTitle.empty() ? d.title : d.errorTitle;
}

}  // namespace

ModelErrorScreen::ModelErrorScreen(const models::ModelDescription& description,
                                   models::ModelContext context, app::Prompter& prompter,
                                   ModelScreenActions actions, QWidget* parent)
    : Screen(prompter, QString::fromStdString(ErrorTitle(description)), QString(), parent),
      description_(description),
      context_(std::move(context)),
      actions_(std::move(actions)) {
    closeButtonGap();
    errorText_ = description_.errorText ? description_.errorText(context_.RFLAG) : std::string{};

    QVBoxLayout* layout = body();
    auto* estimations = new QLabel(QStringLiteral("Estimations:"), this);
    estimations->setFont(HeadingFont(estimations->font()));
    layout->addWidget(estimations);
    table_ = new EstimateTable(description_.estimates, context_, this);
    layout->addWidget(table_);

    auto* heading = new QLabel(QString::fromStdString(description_.errorHeading), this);
    heading->setFont(HeadingFont(heading->font()));
    layout->addWidget(heading);
    errorBox_ = new QPlainTextEdit(this);
    errorBox_->setReadOnly(true);
    // The stored text ends its lines with CR LF; the box wants plain line feeds.
    errorBox_->setPlainText(QString::fromStdString(errorText_).remove(QLatin1Char('\r')));
    layout->addWidget(errorBox_);
    if (!context_.failureReason.empty()) {
        reason_ = new QLabel(QString::fromStdString(context_.failureReason), this);
        reason_->setObjectName(QStringLiteral("reasonLabel"));
        reason_->setWordWrap(true);
        reason_->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(reason_);
    }

    print_ = addButton(QStringLiteral("Print"), QStringLiteral("printButton"));
    help_ = addButton(QStringLiteral("Help"), QStringLiteral("helpButton"));
    ok_ = addButton(QStringLiteral("OK"), QStringLiteral("okButton"));
    print_->setDefault(false);
    ok_->setDefault(true);
    fillButtonRow();

    print_->setEnabled(static_cast<bool>(actions_.print));
    // The caller knows the model's help page.
    help_->setEnabled(static_cast<bool>(actions_.help));
    connect(print_, &QPushButton::clicked, this, [this] { actions_.print(reportText()); });
    connect(help_, &QPushButton::clicked, this, [this] { actions_.help(); });
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

std::string ModelErrorScreen::reportText() const {
    return execution::ModelErrorReport(actions_.reportHeader, description_, context_);
}

}  // namespace vnk::screens
