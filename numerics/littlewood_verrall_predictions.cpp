// Littlewood and Verrall predictions and predicted data.
#include <cmath>

#include "numerics/kolmogorov.h"
#include "numerics/littlewood_verrall.h"
#include "numerics/littlewood_verrall_terms.h"
#include "numerics/trace.h"

namespace vnk {
namespace {

double TotalTime(ConstRealArray DAT, int NS) {
    double T = 0.0;
    for (int i = 1; i <= NS; ++i) T += DAT(i);
    return T;
}

// Sum of j^p for j = 1 .. N (p = 1 or 2), in floating point so that no count can overflow.
double PowerSum(double N, int PHIIND) {
    if (PHIIND == 2) return N * (N + 1.0) * (2.0 * N + 1.0) / 6.0;
    return N * (N + 1.0) / 2.0;
}

// The quadratic model's cumulative-failure term: cbrt(t + s) + cbrt(t - s), s = sqrt(t^2 + K0).
// t - s is formed as -K0 / (t + s), which keeps its digits when K0 is small against t^2.
double QuadraticTerm(double t, double K0) {
    const double s = std::sqrt(t * t + K0);
    return lav::CubeRoot(t + s) + lav::CubeRoot(-K0 / (t + s));
}

}  // namespace

void SLAVP3(const TbfStats& STATS, int NS, double K, int PHIIND, double& PVAL) {
    trace::Writer w;
    w.enter("SLAVP3");
    w.integer("NS", NS);
    w.integer("PHIIND", PHIIND);
    w.real("K", K);
    w.stats(STATS.matrix());

    const double a = STATS(1, kEstimate) - 1.0;
    const double beta0 = STATS(2, kEstimate);
    const double beta1 = STATS(3, kEstimate);
    // m = integer part of K + 0.5; the sum over j = NS+1 .. NS+m is taken in closed form, so
    // a huge K costs nothing and cannot overflow an integer.
    const double m = std::trunc(K + 0.5);
    PVAL = 0.0;
    if (m >= 1.0) {
        const double n = static_cast<double>(NS);
        const double powers = PowerSum(n + m, PHIIND) - PowerSum(n, PHIIND);
        PVAL = (beta1 * powers + m * beta0) / a;
    }

    w.yields("SLAVP3");
    w.real("PVAL", PVAL);
}

void SLAVP4(const TbfStats& STATS, double DIF, double& PVAL1, double& PVAL2, int& ERRLFG) {
    trace::Writer w;
    w.enter("SLAVP4");
    w.real("DIF", DIF);
    w.stats(STATS.matrix());

    const double a = STATS(1, kEstimate) - 1.0;
    const double beta1 = STATS(3, kEstimate);
    const double current = STATS(tbf_row::kCurrentIntensity, kEstimate);
    if (DIF < current) {
        ERRLFG = 0;
        PVAL1 = a / (2.0 * beta1) * (1.0 / (DIF * DIF) - 1.0 / (current * current));
        PVAL2 = a / beta1 * (1.0 / DIF - 1.0 / current);
    } else {
        ERRLFG = 1;
        PVAL1 = 0.0;
        PVAL2 = 0.0;
    }

    w.yields("SLAVP4");
    w.real("PVAL1", PVAL1);
    w.real("PVAL2", PVAL2);
    w.integer("ERRLFG", ERRLFG);
}

void SLAVP6(const TbfStats& STATS, ConstRealArray DAT, int NS, double LOP, int PHIIND,
            double& PVAL) {
    trace::Writer w;
    w.enter("SLAVP6");
    w.integer("NS", NS);
    w.integer("PHIIND", PHIIND);
    w.real("LOP", LOP);
    w.stats(STATS.matrix());
    w.array("DAT", DAT, NS);

    const double a = STATS(1, kEstimate) - 1.0;
    const double beta0 = STATS(2, kEstimate);
    const double beta1 = STATS(3, kEstimate);
    const double T = TotalTime(DAT, NS);
    const double T2 = T + LOP;
    if (PHIIND == kLavQuadratic) {
        const double K0 = 4.0 * beta0 * beta0 * beta0 / (9.0 * a * a * beta1);
        const double c = std::pow(a / (18.0 * beta1), 1.0 / 3.0);
        PVAL = 3.0 * c * (QuadraticTerm(T2, K0) - QuadraticTerm(T, K0));
    } else {
        const double b2 = beta0 * beta0;
        PVAL = (std::sqrt(b2 + 2.0 * beta1 * a * T2) - std::sqrt(b2 + 2.0 * beta1 * a * T)) / beta1;
    }

    w.yields("SLAVP6");
    w.real("PVAL", PVAL);
}

void SLAVPR(const TbfStats& STATS, int NS, ConstRealArray DAT, int PHIIND, RealArray PDAT,
            double& DVAL, int& DFLG, RealArray V) {
    trace::Writer w;
    w.enter("SLAVPR");
    w.integer("NS", NS);
    w.integer("PHIIND", PHIIND);
    w.stats(STATS.matrix());
    w.array("DAT", DAT, NS);

    const double alpha = STATS(1, kEstimate);
    const double a = alpha - 1.0;
    const double beta0 = STATS(2, kEstimate);
    const double beta1 = STATS(3, kEstimate);
    DVAL = 0.0;
    for (int i = 1; i <= NS; ++i) {
        const double psi = lav::Psi(beta0, beta1, i, PHIIND);
        PDAT(i) = psi / a;
        // 1 - (psi / (psi + x))^alpha
        V(i) = -std::expm1(-alpha * std::log1p(DAT(i) / psi));
    }
    if (NS >= 1) {
        KolmogorovDistance(NS, 1, DVAL, V);
        KolmogorovAdequacy(NS, DVAL, DFLG);
    } else {
        DFLG = kFitMayBeAdequate;
    }

    w.yields("SLAVPR");
    w.integer("DFLG", DFLG);
    w.real("DVAL", DVAL);
    w.array("PDAT", PDAT, NS);
    w.array("V", V, NS);
}

}  // namespace vnk
