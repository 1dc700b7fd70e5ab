// The "Plots" screen of a model result screen: captioned with the model name and " Plot
// Selection", it offers the data-and-predicted plot (preset) and the residual plot; OK and
// Cancel, no Help.
#pragma once

#include "app/kit/screen.h"
#include "plot/data_plots.h"

class QRadioButton;

namespace vnk::plot {

class ModelPlotSelection : public app::Screen {
    Q_OBJECT
  public:
    // modelName as the result screen titles it, e.g. "Geometric Model".
    ModelPlotSelection(app::Prompter& prompter, const QString& modelName,
                       QWidget* parent = nullptr);

    ModelPlotKind choice() const;
    QRadioButton* dataAndPredictedButton() const { return dataAndPredicted_; }
    QRadioButton* residualsButton() const { return residuals_; }

  private:
    QRadioButton* dataAndPredicted_ = nullptr;
    QRadioButton* residuals_ = nullptr;
};

}  // namespace vnk::plot
