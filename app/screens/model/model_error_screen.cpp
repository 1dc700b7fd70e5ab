#include "app/screens/model/model_error_screen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/screens/model/estimate_table.h"
#include "app/kit/value_field.h"
#include "execution/model_reports.h"

namespace vnk::screens {

ModelErrorScreen::ModelErrorScreen(const models::ModelDescription& description,
                                   models::ModelContext context, ModelScreenActions actions,
                                   QWidget* parent)
    : QDialog(parent),
      description_(description),
      context_(std::move(context)),
      actions_(std::move(actions)) {
    const std::string& title =
        description_.errorTitle.empty() ? description_.title : description_.errorTitle;
    setWindowTitle(QString::fromStdString(title));
    errorText_ = description_.errorText ? description_.errorText(context_.RFLAG) : std::string{};

    auto* layout = new QVBoxLayout(this);
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

    auto* buttons = new QHBoxLayout;
    print_ = new QPushButton(QStringLiteral("Print"), this);
    help_ = new QPushButton(QStringLiteral("Help"), this);
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    for (QPushButton* b : {print_, help_, ok_}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    ok_->setDefault(true);
    layout->addLayout(buttons);

    print_->setEnabled(static_cast<bool>(actions_.print));
    help_->setEnabled(static_cast<bool>(actions_.help));
    connect(print_, &QPushButton::clicked, this, [this] { actions_.print(reportText()); });
    connect(help_, &QPushButton::clicked, this, [this] { actions_.help(); });
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

std::string ModelErrorScreen::reportText() const {
    return execution::ModelErrorReport(actions_.reportHeader, description_, context_);
}

}  // namespace vnk::screens
