#include "app/screens/execution/model_plot_selection.h"

#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vnk::plot {

ModelPlotSelection::ModelPlotSelection(app::Prompter& prompter, const QString& modelName,
                                       QWidget* parent)
    : Screen(prompter, modelName + QStringLiteral(" Plot Selection"), QString(), parent) {
    // "&&" shows a single ampersand on a button.
    dataAndPredicted_ =
        new QRadioButton(QStringLiteral("Plot of the original && Predicted Data"), this);
    residuals_ = new QRadioButton(QStringLiteral("Plot of the Residual Data"), this);
    dataAndPredicted_->setChecked(true);
    body()->addWidget(dataAndPredicted_);
    body()->addWidget(residuals_);
    QPushButton* ok = addButton(QStringLiteral("OK"), QStringLiteral("okButton"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    QPushButton* cancel = addButton(QStringLiteral("Cancel"), QStringLiteral("cancelButton"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

ModelPlotKind ModelPlotSelection::choice() const {
    return residuals_->isChecked() ? ModelPlotKind::Residuals : ModelPlotKind::DataAndPredicted;
}

}  // namespace vnk::plot
