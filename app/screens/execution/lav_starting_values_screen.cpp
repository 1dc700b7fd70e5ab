#include "app/screens/execution/lav_starting_values_screen.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/kit/value_field.h"

namespace vnk::screens {

LavStartingValuesScreen::LavStartingValuesScreen(int PHIIND, std::array<double, 2> BETA,
                                                 std::function<void()> help, QWidget* parent)
    : QDialog(parent), beta_(BETA), help_(std::move(help)) {
    setWindowTitle(PHIIND == 2 ? QStringLiteral("Littlewood and Verrall Quadratic Model")
                               : QStringLiteral("Littlewood and Verrall Linear Model"));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(
        QStringLiteral("The computed initial estimates for the Maximum Likelihood execution are:"),
        this);
    text->setWordWrap(true);
    layout->addWidget(text);
    auto* form = new QFormLayout;
    // Shortest round-trip text, so OK gives the computed values back unchanged.
    beta0_ = new QLineEdit(ValueText(BETA[0]), this);
    beta1_ = new QLineEdit(ValueText(BETA[1]), this);
    form->addRow(QStringLiteral("Beta0 "), beta0_);
    form->addRow(QStringLiteral("Beta1 "), beta1_);
    layout->addLayout(form);
    auto* buttons = new QHBoxLayout;
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    auto* helpButton = new QPushButton(QStringLiteral("Help"), this);
    ok_->setDefault(true);
    helpButton->setAutoDefault(false);
    helpButton->setEnabled(static_cast<bool>(help_));
    buttons->addWidget(ok_);
    buttons->addWidget(helpButton);
    layout->addLayout(buttons);
    connect(ok_, &QPushButton::clicked, this, &LavStartingValuesScreen::accept);
    connect(helpButton, &QPushButton::clicked, this, [this] { help_(); });
}

void LavStartingValuesScreen::accept() {
    const auto b0 = ParseValue(beta0_->text());
    const auto b1 = ParseValue(beta1_->text());
    if (!b0 || !b1) {
        QLineEdit* bad = b0 ? beta1_ : beta0_;
        bad->setFocus();
        bad->selectAll();
        return;
    }
    beta_ = {*b0, *b1};
    QDialog::accept();
}

}  // namespace vnk::screens
