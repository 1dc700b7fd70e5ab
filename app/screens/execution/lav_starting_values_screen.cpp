#include "app/screens/execution/lav_starting_values_screen.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/kit/value_field.h"
#include "models/tbf_slots.h"

namespace vnk::screens {

namespace {

int LavSlot(int PHIIND) {
    return PHIIND == 2 ? models::slot_order::kLavQuadratic : models::slot_order::kLavLinear;
}

}  // namespace

LavStartingValuesScreen::LavStartingValuesScreen(app::Prompter& prompter, int PHIIND,
                                                 std::array<double, 2> BETA, QWidget* parent)
    : Screen(prompter,
             PHIIND == 2 ? QStringLiteral("Littlewood and Verrall Quadratic Model")
                         : QStringLiteral("Littlewood and Verrall Linear Model"),
             QString::fromLatin1(models::TbfSlotNamesOf(LavSlot(PHIIND)).helpPage), parent),
      beta_(BETA) {
    auto* text = new QLabel(
        QStringLiteral("The computed initial estimates for the Maximum Likelihood execution are:"),
        this);
    text->setWordWrap(true);
    body()->addWidget(text);
    auto* form = new QFormLayout;
    // Shortest round-trip text, so OK gives the computed values back unchanged.
    beta0_ = new QLineEdit(ValueText(BETA[0]), this);
    beta1_ = new QLineEdit(ValueText(BETA[1]), this);
    form->addRow(QStringLiteral("Beta0 "), beta0_);
    form->addRow(QStringLiteral("Beta1 "), beta1_);
    body()->addLayout(form);
    ok_ = addButton(QStringLiteral("OK"), QStringLiteral("okButton"));
    connect(ok_, &QPushButton::clicked, this, &LavStartingValuesScreen::accept);
    addHelpButton();
    fillButtonRow();  // the buttons share the row, as they always have
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
