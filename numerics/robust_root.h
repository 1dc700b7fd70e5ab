// The robust search for the one root of a likelihood equation: the model's own bracket first,
// then a bounded geometric scan over the whole admissible range, solved to a relative
// tolerance so that the estimate does not depend on the time unit.
#pragma once

#include <functional>

#include "numerics/brent.h"

namespace vnk {

enum class EstimationMode { kStandard, kRobust };

// The mode the estimation routines use. Like the trace switch it is set for the length of an
// execution; the standard mode is the default and leaves every routine as it always was.
EstimationMode CurrentEstimationMode();
bool RobustEstimationOn();

class ScopedEstimationMode {
  public:
    explicit ScopedEstimationMode(EstimationMode mode);
    ~ScopedEstimationMode();
    ScopedEstimationMode(const ScopedEstimationMode&) = delete;
    ScopedEstimationMode& operator=(const ScopedEstimationMode&) = delete;

  private:
    EstimationMode previous_;
};

// The open interval the parameter may take: (lower, +inf), or (0, 1) for a ratio.
enum class ParameterRange { kAboveLower, kUnitInterval };

enum class RootOutcome {
    kFound,
    kNoSignChange,  // the equation keeps one sign: the likelihood has no finite maximum
    kNotConverged,  // the root finder ran out of steps (a function returning not-a-number)
};

struct LikelihoodRoot {
    RootOutcome outcome = RootOutcome::kNoSignChange;
    double root = 0.0;
    bool found() const { return outcome == RootOutcome::kFound; }
};

// Scan steps each way from the start. Each step doubles or halves the distance from the lower
// end (for a ratio, the odds phi / (1 - phi)), so 30 steps cover about nine decades either side.
// Farther out the equations of these models are dominated by rounding and a sign change there
// would be noise. The scan and the solve together evaluate g at most
// 2 * kScanSteps + 1 + kRootSearchSteps times.
inline constexpr int kScanSteps = 30;

// Looks for the root of g in the range. `own` is the model's own bracket search (already run):
// when it found a bracket that bracket is solved; otherwise the scan starts at its fixed end.
// `lower` is the lower end of a kAboveLower range.
LikelihoodRoot RobustLikelihoodRoot(const std::function<double(double)>& g, const Bracket& own,
                                    ParameterRange range, double lower = 0.0);

// Which end of the model's own bracket its standard search starts from.
enum class BracketOrder { kFixedFirst, kMovingFirst };

// The estimation's one root: in the standard mode the model's own bracket solved as it always
// was (kNoSignChange without one), in the robust mode RobustLikelihoodRoot from that bracket.
LikelihoodRoot EstimationRoot(const std::function<double(double)>& g, const Bracket& own,
                              BracketOrder order, ParameterRange range, double lower = 0.0);

// A plain sentence for a search that found no root.
const char* RobustRootReason(RootOutcome outcome);

}  // namespace vnk
