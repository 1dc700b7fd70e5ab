// Brooks and Motley: initial estimates and estimation.
#include "numerics/brooks_motley.h"

#include <algorithm>
#include <cmath>

#include "numerics/eigen.h"
#include "numerics/sanitise.h"
#include "numerics/trace.h"
#include "numerics/trust_region.h"
#include "numerics/trust_region_restarts.h"

namespace vnk {
namespace {

double truncateToFourDecimals(double x) { return std::trunc(x * 10000.0) / 10000.0; }

// Every interval must test a positive length of a positive fraction, and every value must be
// a number: otherwise the likelihood has no meaning.
bool usableIntervals(int NS, ConstRealArray C, ConstRealArray L, ConstRealArray F,
                     ConstRealArray M) {
    if (NS < 1) return false;
    for (int i = 1; i <= NS; ++i) {
        if (!std::isfinite(C(i)) || !std::isfinite(L(i)) || !std::isfinite(F(i)) ||
            !std::isfinite(M(i)) || !(L(i) > 0.0) || !(F(i) > 0.0)) {
            return false;
        }
    }
    return true;
}

// Whether the log-likelihood reached beats its limit as N grows without bound.
bool exceedsNoGrowthLimit(const BamData& data, double reached) {
    const double limit = BamLimitLogLikelihood(data);
    if (std::isnan(reached)) return false;
    if (!std::isfinite(limit)) return true;
    return reached > limit + 1e-9 * (1.0 + std::fabs(limit));
}

// Formats only while tracing is on: SBAMIN calls this once per interval of every refit.
void traceLine(const char* text, double PED, double TNOF) {
    if (!trace::isOn()) return;
    trace::Writer().line(text + trace::formatReal(PED) + trace::formatReal(TNOF));
}

}  // namespace

void SBAMIN(int NS, ConstRealArray C, ConstRealArray L, ConstRealArray F, ConstRealArray M,
            double& PEC, double& PED, double& TNOF) {
    PED = 0.0;
    TNOF = 0.0;
    for (int i = 1; i <= NS; ++i) {
        if (C(i) != 0.0) {
            PED += C(i) / ((C(NS) + M(NS)) * L(i) * F(i));
            TNOF = std::max(TNOF, (C(i) + M(i)) / F(i));
        }
        traceLine(" > Intermediate PED,TNOF of SBAMIN:", PED, TNOF);
    }
    PEC = kBamInitialPec;
    PED = NS > 0 ? PED / NS : 0.0;
    TNOF = TNOF + 1.0;
    traceLine(" > Final        PED,TNOF of SBAMIN:", PED, TNOF);
    PED = truncateToFourDecimals(PED);
    TNOF = truncateToFourDecimals(TNOF);
}

void SBAMMD(int ESF, int NS, ConstRealArray C, ConstRealArray L, ConstRealArray F, ConstRealArray M,
            double PEC, double PED, double TNOF, int MAXIC, IntervalStats& STATS, int& RFLAG) {
    trace::Writer w;
    w.enter("SBAMMD");
    w.real("PEC", PEC);
    w.real("PED", PED);
    w.real("TNOF", TNOF);
    w.integer("MAXIC", MAXIC);
    w.integer("ESF", ESF);
    w.integer("NS", NS);
    w.columns("C,L,F,M", {C, L, F, M}, NS);

    STATS.clear();
    RFLAG = -1;
    double Nmin = 0.0;
    if (usableIntervals(NS, C, L, F, M) && std::isfinite(PEC) &&
        (ESF == bam_variant::kBinomial || ESF == bam_variant::kPoisson)) {
        double largest = -INFINITY;
        for (int i = 1; i <= NS; ++i) largest = std::max(largest, (C(i) + M(i)) / F(i));
        Nmin = largest + 0.001;
    } else {
        RFLAG = status::kNotAppropriate;
    }
    // More faults seen than the bound on N allows: no feasible point.
    if (RFLAG == -1 && !(Nmin <= kBamMaxFaults)) RFLAG = status::kNotAppropriate;

    if (RFLAG == -1) {
        const BamData data{ESF, NS, C, L, F, M, PEC};
        TrustRegionProblem problem;
        problem.N = 2;
        BamDetectionTerms terms;
        problem.objective = [&](ConstRealArray X) { return BamObjective(data, X(1), X(2), terms); };
        problem.gradient = [&](ConstRealArray X, RealArray G) {
            BamGradient(data, X(1), X(2), G, terms);
        };
        problem.hessian = [&](ConstRealArray X, RealMatrix H) {
            BamHessian(data, X(1), X(2), H, terms);
            RegulariseHessian(2, H);
        };
        problem.LOWER = {Nmin, kBamMinDetection, 0.0};
        problem.UPPER = {kBamMaxFaults, kBamMaxDetection, 0.0};

        const std::array<double, 2> start{
            TNOF >= Nmin ? std::min(TNOF, kBamMaxFaults) : Nmin,
            PED >= kBamMinDetection ? std::min(PED, kBamMaxDetection) : kBamMinDetection};
        // The robust mode's other starts: N at 2, 10 and 100 times its lower bound, each with q
        // at 10 times and a tenth of the first start.
        const TrustRegionRestartPoint other = [&](int k) {
            constexpr std::array<double, 3> nFactors{2.0, 10.0, 100.0};
            const double qFactor = k % 2 == 0 ? 10.0 : 0.1;
            return std::array<double, 3>{
                std::min(nFactors[static_cast<std::size_t>(k / 2)] * Nmin, kBamMaxFaults),
                std::clamp(qFactor * start[1], kBamMinDetection, kBamMaxDetection), 0.0};
        };
        TrustRegionResult result;
        TrustRegionMinimiseWithRestarts(problem, start, other, MAXIC,
                                        TrustRegionSettings::BrooksMotley(), result, RFLAG);
        const double N = result.X[0];
        const double q = result.X[1];

        // Where the likelihood only keeps rising as N grows, the search still converges (the
        // gradient fades) at an arbitrary N that is no better than the no-growth limit the
        // data actually favour: that is no estimate.
        if (RFLAG == status::kOk && !exceedsNoGrowthLimit(data, -result.F)) {
            RFLAG = status::kNotAppropriate;
        }

        const double observed = M(NS) + C(NS);
        STATS(4, kEstimate) = q;
        STATS(5, kEstimate) = N;
        STATS(6, kEstimate) = N - observed;
        if (N < observed) RFLAG = status::kTotalFaultsBelowObserved;
    }
    SanitiseStats(STATS, RFLAG);

    w.yields("SBAMMD");
    w.integer("RFLAG", RFLAG);
    w.stats(STATS.matrix());
}

}  // namespace vnk
