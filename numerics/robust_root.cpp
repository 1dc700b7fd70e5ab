#include "numerics/robust_root.h"

#include <cmath>

namespace vnk {
namespace {

thread_local EstimationMode currentMode = EstimationMode::kStandard;

// The search runs on u, where the parameter is lower + exp(u) or the logistic of u: an absolute
// tolerance on u is a relative one on the parameter, and a change of time unit only shifts u.
struct Coordinates {
    ParameterRange range;
    double lower;

    double parameter(double u) const {
        if (range == ParameterRange::kUnitInterval) return 1.0 / (1.0 + std::exp(-u));
        return lower + std::exp(u);
    }
    double coordinate(double x) const {
        if (range == ParameterRange::kUnitInterval) return std::log(x / (1.0 - x));
        return std::log(x - lower);
    }
};

struct ScanPoint {
    double u = 0.0;
    double value = 0.0;
};

LikelihoodRoot Solve(const std::function<double(double)>& h, const Coordinates& c, ScanPoint a,
                     ScanPoint b) {
    if (a.value == 0.0) return {RootOutcome::kFound, c.parameter(a.u)};
    if (b.value == 0.0) return {RootOutcome::kFound, c.parameter(b.u)};
    int budget = kRootSearchSteps;
    const RootSearch s = SolveBracketedRoot(h, a.u, a.value, b.u, b.value, budget);
    if (!s.converged || !std::isfinite(s.root)) return {RootOutcome::kNotConverged, 0.0};
    return {RootOutcome::kFound, c.parameter(s.root)};
}

}  // namespace

EstimationMode CurrentEstimationMode() { return currentMode; }
bool RobustEstimationOn() { return currentMode == EstimationMode::kRobust; }

ScopedEstimationMode::ScopedEstimationMode(EstimationMode mode) : previous_(currentMode) {
    currentMode = mode;
}
ScopedEstimationMode::~ScopedEstimationMode() { currentMode = previous_; }

LikelihoodRoot RobustLikelihoodRoot(const std::function<double(double)>& g, const Bracket& own,
                                    ParameterRange range, double lower) {
    const Coordinates c{range, lower};
    auto h = [&](double u) { return g(c.parameter(u)); };
    if (own.found) {
        return Solve(h, c, {c.coordinate(own.fixedEnd), own.fixedValue},
                     {c.coordinate(own.movingEnd), own.movingValue});
    }
    const ScanPoint start{c.coordinate(own.fixedEnd), own.fixedValue};
    if (!std::isfinite(start.u) || !std::isfinite(start.value)) return {};
    // Outward from the start, one step up and one step down in turn; a direction ends at its
    // bound or where the equation can no longer be evaluated.
    const double step = std::log(2.0);
    ScanPoint up = start;
    ScanPoint down = start;
    bool upOpen = true;
    bool downOpen = true;
    for (int k = 1; k <= kScanSteps && (upOpen || downOpen); ++k) {
        if (upOpen) {
            const ScanPoint next{start.u + k * step, h(start.u + k * step)};
            if (!std::isfinite(next.value)) {
                upOpen = false;
            } else if (up.value * next.value <= 0.0) {
                return Solve(h, c, up, next);
            } else {
                up = next;
            }
        }
        if (downOpen) {
            const ScanPoint next{start.u - k * step, h(start.u - k * step)};
            if (!std::isfinite(next.value)) {
                downOpen = false;
            } else if (down.value * next.value <= 0.0) {
                return Solve(h, c, next, down);
            } else {
                down = next;
            }
        }
    }
    return {};
}

LikelihoodRoot EstimationRoot(const std::function<double(double)>& g, const Bracket& own,
                              BracketOrder order, ParameterRange range, double lower) {
    if (RobustEstimationOn()) return RobustLikelihoodRoot(g, own, range, lower);
    if (!own.found) return {};
    const double root =
        order == BracketOrder::kFixedFirst
            ? SolveBracketedRoot(g, own.fixedEnd, own.fixedValue, own.movingEnd, own.movingValue)
            : SolveBracketedRoot(g, own.movingEnd, own.movingValue, own.fixedEnd, own.fixedValue);
    return {RootOutcome::kFound, root};
}

const char* RobustRootReason(RootOutcome outcome) {
    switch (outcome) {
        case RootOutcome::kFound:
            return "";
        case RootOutcome::kNoSignChange:
            return "The likelihood has no finite maximum: the data show no reliability growth";
        case RootOutcome::kNotConverged:
            return "The search for the maximum did not converge";
    }
    return "";
}

}  // namespace vnk
