// Everything the execution engine needs to ask while it runs. The application answers with
// its screens, the batch command line with its options or the screens' defaults, tests with
// scripted answers.
#pragma once

#include <array>
#include <string>

#include "execution/interval_results.h"

namespace vnk::execution {

// Columns of the processing status screens. TBF: the four measures (Measure) then Models;
// interval: Accuracy then Models.
inline constexpr int kProgressModelsColumn = 4;
inline constexpr int kProgressAccuracyColumn = 0;
inline constexpr int kProgressIntervalModelsColumn = 1;

// The Littlewood and Verrall starting values screen: BETA holds the computed initial
// estimates on entry and the values to use on return.
struct LavStartRequest {
    int PHIIND = 1;  // 1 linear, 2 quadratic
    std::array<double, 2> BETA{};
};

// The Brooks and Motley initial-estimates screen. PEC, PED and TNOF hold the values the
// screen shows on entry (TNOF one below the computed total) and the values to use on return.
// The screen refuses a total below the shown one or above 1e7; closing it without OK keeps
// computedTNOF.
struct BrooksMotleyStartRequest {
    int BOPFLG = 1;  // 1 binomial, 2 Poisson
    double PEC = 0.0;
    double PED = 0.0;
    double TNOF = 0.0;
    double computedTNOF = 0.0;  // as the initial estimates gave it
};

// The generalized Poisson initial-estimates screen (weightings 2 and 3). The screen refuses
// an AN below the last interval's count or above 1e7, and an ALPHA outside 0 to 1e7.
struct GeneralizedPoissonStartRequest {
    int WFSF = 2;
    double ALPHA = 0.0;
    double AN = 0.0;
    double lastCount = 0.0;
};

// The Schneidewind optimum S screens: the three searched optima on entry (0 = none found),
// and the S values for treatments 2 and 3 on return (0 = do not run that treatment).
// The search itself (for the "Investigate" screen) is in `search`.
struct SchneidewindSRequest {
    std::array<int, 3> optimum{};  // best S by MSE-F, MSE-T, MSE-R
    bool found = false;
    int S2 = 0;
    int S3 = 0;
    const SchneidewindSearch* search = nullptr;
};

// The AMSAA/CROW additional inputs: the total test time (the sum of the times between
// failures on entry) and the number of A-mode failures.
struct ProjectionInputsRequest {
    double totalTestTime = 0.0;
    double aModeFailures = 0.0;
};

class ExecutionHost {
  public:
    virtual ~ExecutionHost() = default;

    // Each returns the values to use; the defaults are what pressing OK on the unchanged
    // screen gives.
    virtual void lavStartingValues(LavStartRequest& request) { (void)request; }
    virtual void brooksMotleyStart(BrooksMotleyStartRequest& request) { (void)request; }
    virtual void generalizedPoissonStart(GeneralizedPoissonStartRequest& request) { (void)request; }
    virtual void schneidewindS(SchneidewindSRequest& request) {
        request.S2 = 0;
        request.S3 = 0;
    }
    virtual void projectionInputs(ProjectionInputsRequest& request) { (void)request; }

    // Progress of the processing status screen: the step of a model slot (TbfSlot or
    // IntervalSlot) and a column (kProgress...) is about to run, then has finished.
    virtual void stepStarted(int row, int column) {
        (void)row;
        (void)column;
    }
    virtual void stepFinished(int row, int column) {
        (void)row;
        (void)column;
    }
};

}  // namespace vnk::execution
