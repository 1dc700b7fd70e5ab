// The execution host side of the interval screens: each question the interval and hardware
// executions ask opens its screen through the prompter.
#pragma once

#include <functional>
#include <string>

#include "app/screens/execution/optimum_s_screen.h"
#include "data/failure_data_set.h"
#include "data/program_options.h"
#include "execution/hardware_execution.h"
#include "execution/host.h"

class QWidget;

namespace vnk::app {
class Prompter;
}

namespace vnk::interval_screens {

class IntervalScreensHost : public execution::ExecutionHost {
  public:
    explicit IntervalScreensHost(app::Prompter& prompter, QWidget* parent = nullptr)
        : prompter_(prompter), parent_(parent) {}

    // What the screens need beyond their requests: C(NS), the lowest total the generalized
    // Poisson screen accepts, and the optimum S search's arrays for Investigate.
    void setLastCount(double lastCount) { lastCount_ = lastCount; }
    // Used when the request carries no search of its own.
    void setOptimumSData(plot::OptimumSData data) { optimumS_ = std::move(data); }
    // Prints the optimum S investigation report (the investigation screen's Print).
    void setReportPrinter(std::function<void(const std::string&)> print) {
        print_ = std::move(print);
    }

    void brooksMotleyStart(execution::BrooksMotleyStartRequest& request) override;
    void generalizedPoissonStart(execution::GeneralizedPoissonStartRequest& request) override;
    void schneidewindS(execution::SchneidewindSRequest& request) override;
    void projectionInputs(execution::ProjectionInputsRequest& request) override;

  private:
    app::Prompter& prompter_;
    QWidget* parent_;
    double lastCount_ = 0.0;
    plot::OptimumSData optimumS_;
    std::function<void(const std::string&)> print_;
};

// The hardware interval branch: the engine's hardware interval run, then the discrete model's
// result screen when it ran without error, then the run's messages in order (the discrete
// model's error, the growth tracking notice).
void RunHardwareIntervalModels(const FailureDataSet& set,
                               const execution::HardwareSelection& selection,
                               ProgramOptions& options, app::Prompter& prompter,
                               QWidget* parent = nullptr);

}  // namespace vnk::interval_screens
