#include "app/kit/screen.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/kit/prompter.h"

namespace vnk::app {

Screen::Screen(Prompter& prompter, const QString& caption, const QString& helpPage, QWidget* parent)
    : QDialog(parent), prompter_(prompter), helpPage_(helpPage) {
    setWindowTitle(caption);
    setModal(true);
    outer_ = new QVBoxLayout(this);
    body_ = new QVBoxLayout;
    outer_->addLayout(body_);
    gap_ = new QSpacerItem(0, 8, QSizePolicy::Minimum, QSizePolicy::Fixed);
    outer_->addSpacerItem(gap_);
    buttons_ = new QHBoxLayout;
    buttons_->addStretch(1);
    outer_->addLayout(buttons_);
}

QPushButton* Screen::button(const QString& objectName) const {
    return findChild<QPushButton*>(objectName);
}

QPushButton* Screen::addButton(const QString& text, const QString& objectName) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(objectName);
    b->setAutoDefault(false);
    if (buttons_->count() == 1) b->setDefault(true);
    buttons_->addWidget(b);
    return b;
}

QPushButton* Screen::addHelpButton() {
    QPushButton* b = addButton(QStringLiteral("Help"), QStringLiteral("helpButton"));
    connect(b, &QPushButton::clicked, this, &Screen::showHelp);
    return b;
}

void Screen::addOkCancelHelp() {
    QPushButton* ok = addButton(QStringLiteral("OK"), QStringLiteral("okButton"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    QPushButton* cancel = addButton(QStringLiteral("Cancel"), QStringLiteral("cancelButton"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    addHelpButton();
}

void Screen::closeButtonGap() {
    if (!gap_) return;
    outer_->removeItem(gap_);
    delete gap_;
    gap_ = nullptr;
}

void Screen::fillButtonRow() {
    // The row opens with the stretch that pushes the buttons right.
    if (QLayoutItem* first = buttons_->itemAt(0); first && first->spacerItem()) {
        buttons_->removeItem(first);
        delete first;
    }
}

void Screen::centreButtonRow() { buttons_->addStretch(1); }

void Screen::showHelp() { prompter_.help(this, helpPage_); }

void Screen::showError(const QString& text, const QString& caption) {
    prompter_.error(this, text, caption);
}

}  // namespace vnk::app
