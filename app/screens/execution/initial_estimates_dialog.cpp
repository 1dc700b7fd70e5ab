#include "app/screens/execution/initial_estimates_dialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace vnk::interval_screens {

InitialEstimatesDialog::InitialEstimatesDialog(
    app::Prompter& prompter, const models::InitialEstimatesTexts& texts,
    std::vector<EstimateField> fields, std::function<bool(const std::vector<double>&)> mayClose,
    const QString& helpPage, QWidget* parent)
    : Screen(prompter, QString::fromStdString(texts.title), helpPage, parent),
      fields_(std::move(fields)),
      mayClose_(std::move(mayClose)) {
    closeButtonGap();
    QVBoxLayout* layout = body();
    auto* heading = new QLabel(QString::fromStdString(texts.heading), this);
    heading->setObjectName("heading");
    heading->setVisible(!texts.heading.empty());
    layout->addWidget(heading);

    auto* form = new QFormLayout;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        stored_.push_back(fields_[i].value);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("field%1").arg(i));
        edits_.push_back(edit);
        const QString label =
            i < texts.labels.size() ? QString::fromStdString(texts.labels[i]) : QString();
        form->addRow(label, edit);
        showStored(i);
    }
    layout->addLayout(form);

    ok_ = addButton(tr("OK"), QStringLiteral("okButton"));
    connect(ok_, &QPushButton::clicked, this, &InitialEstimatesDialog::okPressed);
    addHelpButton();
}

void InitialEstimatesDialog::showStored(std::size_t index) {
    edits_[index]->setText(QString::number(stored_[index], 'g', 10));
}

void InitialEstimatesDialog::okPressed() {
    // A field that is not a number or is out of its range refuses the whole OK: nothing is
    // stored, the screen stays open and that field gets the focus.
    std::vector<double> entered(fields_.size());
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        bool ok = false;
        const double value = edits_[i]->text().trimmed().toDouble(&ok);
        const EstimateField& f = fields_[i];
        const bool inRange = !f.ranged || (value >= f.minimum && value <= f.maximum);
        if (!ok || !std::isfinite(value) || !inRange) {
            edits_[i]->setFocus();
            edits_[i]->selectAll();
            return;
        }
        entered[i] = value;
    }
    stored_ = entered;
    emit valuesStored();
    if (!mayClose_ || mayClose_(stored_)) accept();
}

}  // namespace vnk::interval_screens
