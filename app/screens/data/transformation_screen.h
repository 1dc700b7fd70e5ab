// "Transformation": the parameters A and B of one of the five transformations of the times
// between failures. The screen only collects them; the command applies them.
#pragma once

#include "app/kit/screen.h"

class QLineEdit;

namespace vnk::app {

class TransformationScreen : public Screen {
    Q_OBJECT
  public:
    // kind: 1 to 5 as VNKTRN's TRNTYP; B is offered for the logarithm and the exponential only.
    TransformationScreen(Prompter& prompter, int kind, QWidget* parent = nullptr);

    // The caption of each kind.
    static QString captionOf(int kind);

    QLineEdit* aField() const { return a_; }
    QLineEdit* bField() const { return b_; }
    double A() const { return A_; }
    double B() const { return B_; }

  private:
    void ok();
    QLineEdit* a_;
    QLineEdit* b_;
    double A_ = 0.0;
    double B_ = 0.0;
};

}  // namespace vnk::app
