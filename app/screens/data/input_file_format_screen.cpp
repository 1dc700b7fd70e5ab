#include "app/screens/data/input_file_format_screen.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

#include "app/kit/help_pages.h"
#include "app/kit/prompter.h"

namespace vnk::app {

namespace {

QString fromView(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

InputFileFormatScreen::InputFileFormatScreen(Prompter& prompter, QWidget* parent)
    : Screen(prompter, QStringLiteral("Input File Format"), help_page::kDataFiles, parent) {
    QStringList names;
    for (std::string_view n : kFieldNames) names << fromView(n);
    auto* grid = new QGridLayout;
    for (int k = 1; k <= kLayoutColumns; ++k) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QStringLiteral("column%1Combo").arg(k));
        combo->setEditable(true);
        combo->addItems(names);
        // The screen always opens on the five fields in code order, whatever was used before.
        const int code = kDefaultColumnLayout[static_cast<std::size_t>(k - 1)];
        combo->setCurrentText(fromView(FieldNameOfCode(code)));
        combo->setMinimumContentsLength(24);
        columns_[static_cast<std::size_t>(k - 1)] = combo;
        const int row = (k - 1) / 3;
        const int col = (k - 1) % 3;
        auto* cell = new QVBoxLayout;
        cell->addWidget(new QLabel(QStringLiteral("COLUMN %1").arg(k), this));
        cell->addWidget(combo);
        grid->addLayout(cell, row, col);
    }
    body()->addLayout(grid);

    auto* statusLabel = new QLabel(QStringLiteral(" File Read Status "), this);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("readStatusBar"));
    progress_->setRange(0, 50);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    body()->addSpacing(8);
    body()->addWidget(statusLabel);
    body()->addWidget(progress_);

    connect(addButton(QStringLiteral("OK"), QStringLiteral("okButton")), &QPushButton::clicked,
            this, &InputFileFormatScreen::ok);
    connect(addButton(QStringLiteral("Cancel"), QStringLiteral("cancelButton")),
            &QPushButton::clicked, this, &QDialog::reject);
    addHelpButton();
}

void InputFileFormatScreen::ok() {
    std::array<std::string, kLayoutColumns> texts;
    for (std::size_t k = 0; k < texts.size(); ++k)
        texts[k] = columns_[k]->currentText().toStdString();
    const auto layout = ColumnLayoutFromTexts(texts);
    if (!layout) {
        showError(fromView(kInvalidFileFormatMessage), fromView(kInvalidFileFormatCaption));
        return;
    }
    layout_ = *layout;
    for (int step = 0; step < 100; ++step)
        progress_->setValue(std::min(progress_->maximum(), progress_->value() + 1));
    accept();
}

}  // namespace vnk::app
