#include "numerics/geometric.h"

#include <algorithm>
#include <cmath>

#include "numerics/brent.h"
#include "numerics/kolmogorov.h"
#include "numerics/prediction_limits.h"
#include "numerics/robust_root.h"
#include "numerics/sanitise.h"
#include "numerics/trace.h"

namespace vnk {
namespace {

constexpr int kPhiRow = 4;
constexpr double kZ = 1.95;
constexpr double kUpperEnd = 0.999;
// Lower ends tried in turn; a fifth halving (0.03121875) never counts as a bracket.
constexpr double kLowerEnds[] = {0.4995, 0.24975, 0.124875, 0.0624375};

// Sum of phi^i * x_i and of i * phi^i * x_i, i = 1 .. n.
struct LikelihoodSums {
    double weighted = 0.0;
    double indexWeighted = 0.0;
};

LikelihoodSums SumsAt(double phi, int n, ConstRealArray DAT) {
    LikelihoodSums s;
    double power = 1.0;
    for (int i = 1; i <= n; ++i) {
        power *= phi;
        const double term = power * DAT(i);
        s.weighted += term;
        s.indexWeighted += i * term;
    }
    return s;
}

double LikelihoodEquation(double phi, int n, ConstRealArray DAT) {
    const LikelihoodSums s = SumsAt(phi, n, DAT);
    return s.indexWeighted / s.weighted - (n + 1) * 0.5;
}

// The least squares sums over k = 0 .. n-1 with the weights phi^(-k).
struct LeastSquaresSums {
    double kxw = 0.0;  // sum k * x_{k+1} * phi^(-k)
    double w2 = 0.0;   // sum phi^(-2k)
    double kw2 = 0.0;  // sum k * phi^(-2k)
    double xw = 0.0;   // sum x_{k+1} * phi^(-k)
};

LeastSquaresSums LeastSquaresSumsAt(double phi, int n, ConstRealArray DAT) {
    LeastSquaresSums s;
    const double inverse = 1.0 / phi;
    double w = 1.0;
    for (int k = 0; k < n; ++k) {
        const double x = DAT(k + 1);
        const double w2 = w * w;
        s.kxw += k * x * w;
        s.w2 += w2;
        s.kw2 += k * w2;
        s.xw += x * w;
        w *= inverse;
    }
    return s;
}

double LeastSquaresEquation(double phi, int n, ConstRealArray DAT) {
    const LeastSquaresSums s = LeastSquaresSumsAt(phi, n, DAT);
    return s.kxw * s.w2 - s.kw2 * s.xw;
}

void SetLimits(TbfStats& STATS, int row, double sigma, bool capAtOne) {
    const double estimate = STATS(row, kEstimate);
    double lower = estimate - kZ * sigma;
    double upper = estimate + kZ * sigma;
    if (lower < 0.0) lower = 0.0;
    if (capAtOne && upper > 1.0) upper = 1.0;
    STATS(row, kLower) = lower;
    STATS(row, kUpper) = upper;
}

// Failure rate of the time between failures after the first l, as fitted.
double NextRate(const TbfStats& fitted, int l) {
    return fitted(tbf_row::kHazardRate, kEstimate) * std::pow(fitted(kPhiRow, kEstimate), l);
}

}  // namespace

void SGEOMD(int ESF, int NS, ConstRealArray DAT, TbfStats& STATS, int& RFLAG) {
    trace::Writer w;
    w.enter("SGEOMD");
    w.integer("ESF", ESF);
    w.integer("NS", NS);
    w.array("DAT", DAT, NS);

    RFLAG = -1;
    STATS.clear();
    const int n = NS;
    const bool likelihood = ESF == method::kMaximumLikelihood;

    if (n < 1 || n > DAT.size()) {
        RFLAG = status::kNotAppropriate;
    } else {
        auto g = [&](double phi) {
            return likelihood ? LikelihoodEquation(phi, n, DAT) : LeastSquaresEquation(phi, n, DAT);
        };
        const Bracket b =
            FindBracket(g, kUpperEnd, {kLowerEnds[0], kLowerEnds[1], kLowerEnds[2], kLowerEnds[3]});
        if (RobustEstimationOn()) {
            const LikelihoodRoot r = RobustLikelihoodRoot(g, b, ParameterRange::kUnitInterval);
            RFLAG = r.found() ? status::kOk : status::kNotAppropriate;
            if (r.found()) STATS(kPhiRow, kEstimate) = r.root;
        } else {
            RFLAG = b.found ? status::kOk : status::kNotAppropriate;
            if (RFLAG == status::kOk)
                STATS(kPhiRow, kEstimate) =
                    SolveBracketedRoot(g, b.movingEnd, b.movingValue, b.fixedEnd, b.fixedValue);
        }
    }

    if (RFLAG == status::kOk) {
        const double phi = STATS(kPhiRow, kEstimate);
        const double dn = n;
        double T = 0.0;
        for (int i = 1; i <= n; ++i) T += DAT(i);
        const double phiN = std::pow(phi, n);

        double D = 0.0;
        if (likelihood) {
            D = dn * phi / SumsAt(phi, n, DAT).weighted;
        } else {
            const LeastSquaresSums s = LeastSquaresSumsAt(phi, n, DAT);
            D = s.w2 / s.xw;
        }
        const double M = 1.0 / (D * phiN);
        const double P = 1.0 - phiN;
        STATS(tbf_row::kHazardRate, kEstimate) = D;
        STATS(tbf_row::kCurrentMtbnf, kEstimate) = M;
        STATS(tbf_row::kPurificationLevel, kEstimate) = P;
        STATS(tbf_row::kInitialIntensity, kEstimate) = D / phi;
        STATS(tbf_row::kCurrentIntensity, kEstimate) = D / (phi - std::log(phi) * D * T);

        if (likelihood) {
            const double phi2N = std::pow(phi, 2 * n);
            const double sigmaPhi = std::sqrt(144.0 * phi * phi / (dn * (dn - 1.0) * (dn + 1.0)));
            const double sigmaD = std::sqrt(2.0 * D * (2.0 * dn - 1.0) / (dn * (dn + 1.0)));
            const double sigmaM =
                std::sqrt(2.0 * (2.0 * dn + 1.0) / (D * D * phi2N * dn * (dn - 1.0)));
            const double sigmaP = std::sqrt(12.0 * dn * phi2N / ((dn - 1.0) * (dn + 1.0)));
            SetLimits(STATS, kPhiRow, sigmaPhi, true);
            SetLimits(STATS, tbf_row::kHazardRate, sigmaD, false);
            SetLimits(STATS, tbf_row::kCurrentMtbnf, sigmaM, false);
            SetLimits(STATS, tbf_row::kPurificationLevel, sigmaP, true);
        }
    }

    SanitiseStats(STATS, RFLAG);

    w.yields("SGEOMD");
    w.integer("RFLAG", RFLAG);
    w.stats(STATS.matrix());
}

TbfApplicabilityModel GeometricApplicabilityModel() {
    return ExponentialApplicabilityModel(
        "SGEOMA",
        [](ConstRealArray prefix, TbfStats& fitted) {
            int rflag = 0;
            SGEOMD(method::kMaximumLikelihood, prefix.size(), prefix, fitted, rflag);
            return rflag;
        },
        NextRate);
}

void SGEOMA(ConstRealArray DAT, int NS, int NSB, int NSE, int NSR, int TYP, double& STAT,
            int& RFLAG, int& INDX, RealArray V, RealArray VPRE) {
    RunTbfApplicability(GeometricApplicabilityModel(), DAT, NS, NSB, NSE, NSR, TYP, STAT, RFLAG,
                        INDX, V, VPRE);
}

void SGEOP3(const TbfStats& STATS, int NS, double K, double& PVAL) {
    trace::Writer w;
    w.enter("SGEOP3");
    w.integer("NS", NS);
    w.real("K", K);
    w.stats(STATS.matrix());

    const double D = STATS(tbf_row::kHazardRate, kEstimate);
    const double phi = STATS(kPhiRow, kEstimate);
    const double m = std::floor(K + 0.5);
    PVAL = 0.0;
    // With phi < 1 every term is larger than the one before and the sum overflows long
    // before an absurd K could keep the loop busy. Tables no fit produces (phi >= 1) have
    // terms that never grow: once one no longer changes the sum, none after it will.
    const bool termsNeverGrow = !(phi < 1.0);
    for (double j = 0.0; j < m && j < kMaxPredictionTerms; j += 1.0) {
        const double term = 1.0 / (D * std::pow(phi, NS + j));
        if (termsNeverGrow && PVAL + term == PVAL) break;
        PVAL = PVAL + term;
        if (!std::isfinite(PVAL)) break;
    }

    w.yields("SGEOP3");
    w.real("PVAL", PVAL);
}

void SGEOP4(const TbfStats& STATS, double DIF, double& PVAL1, double& PVAL2, int& ERRLFG) {
    trace::Writer w;
    w.enter("SGEOP4");
    w.real("DIF", DIF);
    w.stats(STATS.matrix());

    const double current = STATS(tbf_row::kCurrentIntensity, kEstimate);
    const double beta = -std::log(STATS(kPhiRow, kEstimate));
    if (DIF < current) {
        ERRLFG = 0;
        PVAL1 = (1.0 / DIF - 1.0 / current) / beta;
        PVAL2 = std::log(current / DIF) / beta;
    } else {
        ERRLFG = 1;
        PVAL1 = 0.0;
        PVAL2 = 0.0;
    }

    w.yields("SGEOP4");
    w.real("PVAL1", PVAL1);
    w.real("PVAL2", PVAL2);
    w.integer("ERRLFG", ERRLFG);
}

void SGEOP6(const TbfStats& STATS, ConstRealArray DAT, int NS, double LOP, double& PVAL) {
    trace::Writer w;
    w.enter("SGEOP6");
    w.integer("NS", NS);
    w.real("LOP", LOP);
    w.stats(STATS.matrix());
    w.array("DAT", DAT, NS);

    const double D = STATS(tbf_row::kHazardRate, kEstimate);
    const double phi = STATS(kPhiRow, kEstimate);
    double T = 0.0;
    for (int i = 1; i <= NS && i <= DAT.size(); ++i) T += DAT(i);
    const double beta = -std::log(phi);
    const double c = (D / phi) * beta;
    PVAL = (std::log(1.0 + c * (T + LOP)) - std::log(1.0 + c * T)) / beta;

    w.yields("SGEOP6");
    w.real("PVAL", PVAL);
}

void SGEOPR(const TbfStats& STATS, int NS, ConstRealArray DAT, RealArray PDAT, double& DVAL,
            int& DFLG, RealArray V) {
    trace::Writer w;
    w.enter("SGEOPR");
    w.integer("NS", NS);
    w.stats(STATS.matrix());
    w.array("DAT", DAT, NS);

    const double D = STATS(tbf_row::kHazardRate, kEstimate);
    const double phi = STATS(kPhiRow, kEstimate);
    DVAL = 0.0;
    if (NS < 1 || NS > DAT.size() || NS > PDAT.size() || NS > V.size()) {
        DFLG = kFitRejected;
    } else {
        double power = 1.0;  // phi^(i-1)
        for (int i = 1; i <= NS; ++i) {
            const double rate = D * power;
            PDAT(i) = 1.0 / rate;
            V(i) = 1.0 - std::exp(-rate * DAT(i));
            power *= phi;
        }
        KolmogorovDistance(NS, 1, DVAL, V);
        KolmogorovAdequacy(NS, DVAL, DFLG);
    }

    w.yields("SGEOPR");
    w.integer("DFLG", DFLG);
    w.real("DVAL", DVAL);
    w.array("PDAT", PDAT, NS);
    w.array("V", V, NS);
}

}  // namespace vnk
