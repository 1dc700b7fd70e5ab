#include "app/screens/execution/model_plot_selection.h"

#include <QDialogButtonBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vnk::plot {

ModelPlotSelection::ModelPlotSelection(const QString& modelName, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(modelName + QStringLiteral(" Plot Selection"));
    // "&&" shows a single ampersand on a button.
    dataAndPredicted_ = new QRadioButton(QStringLiteral("Plot of the original && Predicted Data"), this);
    residuals_ = new QRadioButton(QStringLiteral("Plot of the Residual Data"), this);
    dataAndPredicted_->setChecked(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dataAndPredicted_);
    layout->addWidget(residuals_);
    layout->addWidget(buttons);
}

ModelPlotKind ModelPlotSelection::choice() const {
    return residuals_->isChecked() ? ModelPlotKind::Residuals : ModelPlotKind::DataAndPredicted;
}

}  // namespace vnk::plot
