// The initial-estimates screens the interval execution asks through the host. Each edits its
// request in place: what OK stores is written back, closing without OK leaves it untouched.
#pragma once

#include "app/screens/execution/initial_estimates_dialog.h"
#include "execution/host.h"

namespace vnk::interval_screens {

// PEC and PED are written on every OK; TNOF only when OK closes the screen. The total shown
// is TNOF - 1 and the entered total becomes TNOF.
class BrooksMotleyStartDialog : public InitialEstimatesDialog {
    Q_OBJECT
  public:
    BrooksMotleyStartDialog(app::Prompter& prompter, execution::BrooksMotleyStartRequest& request,
                            QWidget* parent = nullptr);
};

// Weightings 2 and 3. lastCount is C(NS), the lowest total OK accepts. OK writes ALPHA and AN.
class GeneralizedPoissonStartDialog : public InitialEstimatesDialog {
    Q_OBJECT
  public:
    GeneralizedPoissonStartDialog(app::Prompter& prompter,
                                  execution::GeneralizedPoissonStartRequest& request,
                                  double lastCount, QWidget* parent = nullptr);
};

}  // namespace vnk::interval_screens
