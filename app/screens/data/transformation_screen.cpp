#include "app/screens/data/transformation_screen.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "app/kit/help_pages.h"
#include "app/kit/messages.h"
#include "app/kit/number_text.h"
#include "app/kit/prompter.h"

namespace vnk::app {

QString TransformationScreen::captionOf(int kind) {
    switch (kind) {
        case 1:
            return QStringLiteral("Dat ( i ) + A");
        case 2:
            return QStringLiteral("Dat ( i ) * A");
        case 3:
            return QStringLiteral("Dat ( i ) ** A");
        case 4:
            return QStringLiteral("Log ( A * Dat ( i ) + B)");
        case 5:
            return QStringLiteral("Exp ( A * Dat ( i ) + B)");
        default:
            return QStringLiteral("Transformation");
    }
}

TransformationScreen::TransformationScreen(Prompter& prompter, int kind, QWidget* parent)
    : Screen(prompter, captionOf(kind), help_page::kTransformationsMenu, parent) {
    a_ = new QLineEdit(QStringLiteral("0"), this);
    a_->setObjectName(QStringLiteral("aField"));
    b_ = new QLineEdit(QStringLiteral("0"), this);
    b_->setObjectName(QStringLiteral("bField"));
    b_->setEnabled(kind == 4 || kind == 5);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("A ="), a_);
    form->addRow(QStringLiteral("B ="), b_);
    body()->addLayout(form);
    connect(addButton(QStringLiteral("OK"), QStringLiteral("okButton")), &QPushButton::clicked,
            this, &TransformationScreen::ok);
    connect(addButton(QStringLiteral("Cancel"), QStringLiteral("cancelButton")),
            &QPushButton::clicked, this, &QDialog::reject);
    addHelpButton();
    setMinimumWidth(300);
}

void TransformationScreen::ok() {
    for (QLineEdit* field : {a_, b_}) {
        if (!parseReal(field->text())) {
            prompter().exclamation(this, QString::fromLatin1(text::kEnterNumber));
            field->setFocus();
            return;
        }
    }
    A_ = *parseReal(a_->text());
    B_ = *parseReal(b_->text());
    accept();
}

}  // namespace vnk::app
