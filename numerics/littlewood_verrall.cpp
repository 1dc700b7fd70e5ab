// Littlewood and Verrall estimation: maximum likelihood by the bounded trust-region Newton
// method, least squares by the regression line, and the initial estimates for the former.
#include "numerics/littlewood_verrall.h"

#include <array>
#include <cmath>

#include "numerics/eigen.h"
#include "numerics/littlewood_verrall_terms.h"
#include "numerics/sanitise.h"
#include "numerics/trace.h"
#include "numerics/trust_region.h"
#include "numerics/trust_region_restarts.h"

namespace vnk {
namespace {

// Clamps into the estimation box; a value that is not a number goes to the lower bound.
double IntoBox(double v) {
    if (!(v >= kLavLowerBound)) return kLavLowerBound;
    if (!(v <= kLavUpperBound)) return kLavUpperBound;
    return v;
}

// Four decimals, toward zero. Done in floating point: beta often exceeds what an integer of
// the count 10000 * beta could hold.
double TruncateToFourDecimals(double beta) { return std::trunc(beta * 10000.0) / 10000.0; }

// Least squares line through (t(i), x(i)): beta0 is the intercept, beta1 the slope.
void RegressionLine(int NS, ConstRealArray DAT, int PHIIND, double T, double& beta0,
                    double& beta1) {
    double St = 0.0, Stt = 0.0, Sxt = 0.0;
    for (int i = 1; i <= NS; ++i) {
        const double t = lav::Time(i, PHIIND);
        St += t;
        Stt += t * t;
        Sxt += DAT(i) * t;
    }
    const double n = static_cast<double>(NS);
    const double D = n * Stt - St * St;
    beta0 = (T * Stt - Sxt * St) / D;
    beta1 = (Sxt * n - T * St) / D;
}

// The likelihood of one data set with its (beta0, beta1) sums kept: the minimiser asks for the
// objective at a trial point, then the gradient there, then the Hessian at the same point in
// the next iteration, and all three share the same sums. Results are those of LavObjective,
// LavGradient and LavHessian bit for bit.
class CachedLikelihood {
  public:
    CachedLikelihood(ConstRealArray DAT, int NS, int PHIIND)
        : DAT_(DAT), NS_(NS), PHIIND_(PHIIND) {}

    double Objective(ConstRealArray x) { return lav::NegativeLogLikelihood(NS_, x(1), Logs(x)); }
    void Gradient(ConstRealArray x, RealArray G) {
        lav::GradientFromSums(NS_, x(1), Logs(x), Curvature(x), G);
    }
    void Hessian(ConstRealArray x, RealMatrix H) {
        lav::HessianFromSums(NS_, x(1), Curvature(x), H);
        RegulariseHessian(kLavParameters, H);
    }

  private:
    struct Key {
        bool valid = false;
        double beta0 = 0.0, beta1 = 0.0;
        bool matches(ConstRealArray x) const { return valid && beta0 == x(2) && beta1 == x(3); }
        void set(ConstRealArray x) { valid = true, beta0 = x(2), beta1 = x(3); }
    };
    const lav::LogSums& Logs(ConstRealArray x) {
        if (!logsKey_.matches(x)) {
            logs_ = lav::LikelihoodLogs(DAT_, NS_, PHIIND_, x(2), x(3));
            logsKey_.set(x);
        }
        return logs_;
    }
    const lav::CurvatureSums& Curvature(ConstRealArray x) {
        if (!curvatureKey_.matches(x)) {
            curvature_ = lav::LikelihoodCurvature(DAT_, NS_, PHIIND_, x(2), x(3));
            curvatureKey_.set(x);
        }
        return curvature_;
    }

    ConstRealArray DAT_;
    int NS_;
    int PHIIND_;
    Key logsKey_, curvatureKey_;
    lav::LogSums logs_;
    lav::CurvatureSums curvature_;
};

// The start of the minimisation from (beta0, beta1): alpha solves the likelihood equation for
// alpha with the betas held, ln(1 + x(i) / psi(i)) summing to NS / alpha.
std::array<double, 3> StartingPoint(int NS, ConstRealArray DAT, int PHIIND, double beta0,
                                    double beta1) {
    double logSum = 0.0;
    for (int i = 1; i <= NS; ++i) logSum += std::log1p(DAT(i) / lav::Psi(beta0, beta1, i, PHIIND));
    return {IntoBox(NS / logSum), beta0, beta1};
}

// Maximum likelihood from the starting values BETA; returns the estimates (alpha, beta0,
// beta1) and the minimiser's status.
std::array<double, 3> MaximumLikelihood(int NS, ConstRealArray DAT, int PHIIND, ConstRealArray BETA,
                                        int MAXIC, int& RFLAG) {
    const double beta0 = IntoBox(BETA(1));
    const double beta1 = IntoBox(BETA(2));
    const std::array<double, 3> start = StartingPoint(NS, DAT, PHIIND, beta0, beta1);

    CachedLikelihood likelihood(DAT, NS, PHIIND);
    TrustRegionProblem p;
    p.N = kLavParameters;
    p.objective = [&](ConstRealArray x) { return likelihood.Objective(x); };
    p.gradient = [&](ConstRealArray x, RealArray G) { likelihood.Gradient(x, G); };
    p.hessian = [&](ConstRealArray x, RealMatrix H) { likelihood.Hessian(x, H); };
    p.LOWER = {kLavLowerBound, kLavLowerBound, kLavLowerBound};
    p.UPPER = {kLavUpperBound, kLavUpperBound, kLavUpperBound};

    // The robust mode's other starts: beta1, beta0 and both at ten times and a tenth of the
    // starting values, alpha following them.
    const TrustRegionRestartPoint other = [&](int k) {
        constexpr std::array<std::array<double, 2>, kTrustRegionRestarts> factors{
            {{1.0, 10.0}, {1.0, 0.1}, {10.0, 1.0}, {0.1, 1.0}, {10.0, 10.0}, {0.1, 0.1}}};
        const auto& f = factors[static_cast<std::size_t>(k)];
        return StartingPoint(NS, DAT, PHIIND, IntoBox(f[0] * beta0), IntoBox(f[1] * beta1));
    };
    TrustRegionResult result;
    TrustRegionMinimiseWithRestarts(p, start, other, MAXIC,
                                    TrustRegionSettings::LittlewoodVerrall(), result, RFLAG);
    return result.X;
}

// Rows 6, 7 and 9 from alpha, beta0 and beta1 in rows 1 to 3; a = alpha - 1 must be positive.
void DerivedRows(TbfStats& STATS, int NS, int PHIIND, double T) {
    const double a = STATS(1, kEstimate) - 1.0;
    const double beta0 = STATS(2, kEstimate);
    const double beta1 = STATS(3, kEstimate);
    if (PHIIND == kLavQuadratic) {
        const double K0 = 4.0 * beta0 * beta0 * beta0 / (9.0 * a * a * beta1);
        const double c = std::pow(a / (18.0 * beta1), 1.0 / 3.0);
        const double s = std::sqrt(T * T + K0);
        // T - s written as -K0 / (T + s): the two are close when K0 is small against T^2.
        STATS(tbf_row::kInitialIntensity, kEstimate) = 2.0 * c * std::pow(K0, -1.0 / 3.0);
        STATS(tbf_row::kCurrentIntensity, kEstimate) =
            c / s * (lav::CubeRoot(T + s) - lav::CubeRoot(-K0 / (T + s)));
    } else {
        STATS(tbf_row::kInitialIntensity, kEstimate) = a / beta0;
        STATS(tbf_row::kCurrentIntensity, kEstimate) =
            a / std::sqrt(beta0 * beta0 + 2.0 * beta1 * T * a);
    }
    STATS(tbf_row::kCurrentMtbnf, kEstimate) = (lav::Time(NS + 1, PHIIND) * beta1 + beta0) / a;
}

}  // namespace

void SLAVMD(int ESF, int NS, ConstRealArray DAT, int PHIIND, ConstRealArray BETA, int MAXIC,
            TbfStats& STATS, int& RFLAG, double& Z) {
    trace::Writer w;
    w.enter("SLAVMD");
    w.integer("ESF", ESF);
    w.integer("NS", NS);
    w.integer("PHIIND", PHIIND);
    w.integer("MAXIC", MAXIC);
    w.reals("BETA", {BETA(1), BETA(2)});
    w.array("DAT", DAT, NS);

    STATS.clear();
    Z = 0.0;
    const bool validInput =
        NS >= 1 && DAT.size() >= NS && (PHIIND == kLavLinear || PHIIND == kLavQuadratic) &&
        ESF >= method::kMaximumLikelihood && ESF <= method::kInitialEstimatesOnly;
    if (!validInput) {
        RFLAG = status::kNotAppropriate;
    } else {
        double T = 0.0;
        for (int i = 1; i <= NS; ++i) T += DAT(i);

        if (ESF == method::kMaximumLikelihood) {
            RFLAG = -1;
            const std::array<double, 3> x = MaximumLikelihood(NS, DAT, PHIIND, BETA, MAXIC, RFLAG);
            for (int j = 1; j <= kLavParameters; ++j) STATS(j, kEstimate) = x[j - 1];
        } else {
            RFLAG = status::kOk;
            double beta0 = 0.0, beta1 = 0.0;
            RegressionLine(NS, DAT, PHIIND, T, beta0, beta1);
            STATS(2, kEstimate) = beta0;
            STATS(3, kEstimate) = beta1;
            // alpha = 2 makes the mean psi(i) / (alpha - 1) the fitted line itself.
            if (ESF == method::kLeastSquares) STATS(1, kEstimate) = 2.0;
        }

        const double alpha = STATS(1, kEstimate);
        const double beta0 = STATS(2, kEstimate);
        const double beta1 = STATS(3, kEstimate);
        if (ESF != method::kInitialEstimatesOnly) {
            const std::array<double, 3> x{alpha, beta0, beta1};
            LavObjective(DAT, ESF, kLavParameters, NS, PHIIND, x, Z);
            if (beta0 + beta1 < 0.0 && RFLAG == status::kOk) RFLAG = status::kNotAppropriate;
            // psi is monotone in i, so its ends decide whether it stays positive over the
            // observed failures; where it does not, no time there has a mean.
            if (RFLAG == status::kOk && !(lav::Psi(beta0, beta1, 1, PHIIND) > 0.0 &&
                                          lav::Psi(beta0, beta1, NS, PHIIND) > 0.0))
                RFLAG = status::kScaleNotPositive;
            if (RFLAG == status::kOk || RFLAG == status::kMaxIterations) {
                // alpha <= 1 means an infinite mean time between failures: every derived row
                // would be negative or undefined, so the model does not apply.
                if (alpha > 1.0)
                    DerivedRows(STATS, NS, PHIIND, T);
                else
                    RFLAG = status::kNotAppropriate;
            }
        } else {
            if (beta0 < beta1) STATS(2, kEstimate) = PHIIND * 2.0 * beta1;
            STATS(2, kEstimate) = TruncateToFourDecimals(STATS(2, kEstimate));
            STATS(3, kEstimate) = TruncateToFourDecimals(STATS(3, kEstimate));
        }
        SanitiseStats(STATS, RFLAG);
        if (!std::isfinite(Z)) Z = 0.0;
    }

    w.yields("SLAVMD");
    w.integer("RFLAG", RFLAG);
    w.real("Z", Z);
    w.stats(STATS.matrix());
}

LavStartingValues LavInitialEstimates(int NS, ConstRealArray DAT, int PHIIND) {
    const std::array<double, 2> unused{0.0, 0.0};
    TbfStats stats;
    LavStartingValues out;
    double Z = 0.0;
    SLAVMD(method::kInitialEstimatesOnly, NS, DAT, PHIIND, unused, kMaxIterations, stats, out.RFLAG,
           Z);
    out.beta0 = stats(2, kEstimate);
    out.beta1 = stats(3, kEstimate);
    return out;
}

}  // namespace vnk
