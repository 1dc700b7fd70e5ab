#include "numerics/jelinski_moranda.h"

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
// Distance of the first lower bracket end from its pole.
constexpr double kOffset = 0.001;

struct TimeSums {
    double total = 0.0;     // T = sum x_i
    double weighted = 0.0;  // S = sum (i - 1) * x_i
};

TimeSums SumsOf(int n, ConstRealArray DAT) {
    TimeSums s;
    for (int i = 1; i <= n; ++i) {
        s.total += DAT(i);
        s.weighted += (i - 1) * DAT(i);
    }
    return s;
}

double LikelihoodEquation(double N, int n, const TimeSums& sums) {
    double harmonic = 0.0;
    for (int k = 0; k < n; ++k) harmonic += 1.0 / (N - k);
    return harmonic - n / (N - sums.weighted / sums.total);
}

// Least squares sums with m_i = N - i + 1.
struct LeastSquaresSums {
    double xm2 = 0.0;  // sum x_i / m_i^2
    double m2 = 0.0;   // sum 1 / m_i^2
    double m3 = 0.0;   // sum 1 / m_i^3
    double xm = 0.0;   // sum x_i / m_i
};

LeastSquaresSums LeastSquaresSumsAt(double N, int n, ConstRealArray DAT) {
    LeastSquaresSums s;
    for (int i = 1; i <= n; ++i) {
        const double m = N - i + 1;
        const double x = DAT(i);
        s.xm2 += x / (m * m);
        s.m2 += 1.0 / (m * m);
        s.m3 += 1.0 / (m * m * m);
        s.xm += x / m;
    }
    return s;
}

double LeastSquaresEquation(double N, int n, ConstRealArray DAT) {
    const LeastSquaresSums s = LeastSquaresSumsAt(N, n, DAT);
    return s.xm2 * s.m2 - s.m3 * s.xm;
}

// Failure rate of the time between failures after the first l, as fitted.
double NextRate(const TbfStats& fitted, int l) {
    return fitted(kPhiRow, kEstimate) * (fitted(tbf_row::kTotalFaults, kEstimate) - l);
}

}  // namespace

void SJAMMD(int ESF, int NS, ConstRealArray DAT, TbfStats& STATS, int& RFLAG) {
    trace::Writer w;
    w.enter("SJAMMD");
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
        const TimeSums sums = SumsOf(n, DAT);
        auto g = [&](double N) {
            return likelihood ? LikelihoodEquation(N, n, sums) : LeastSquaresEquation(N, n, DAT);
        };
        const double L = n + kOffset;
        Bracket b = FindBracket(g, L, {2.0 * L, 4.0 * L, 8.0 * L, 16.0 * L});
        if (!b.found) {
            // The maximum can lie just below the number of failures, where the model has no
            // sensible meaning but the estimate still tells the user why: report it with
            // status 4 instead of calling the data unsuitable.
            b = FindBracket(g, (n - 1) + kOffset, {static_cast<double>(n)});
        }
        LikelihoodRoot robust;
        if (RobustEstimationOn())
            robust = RobustLikelihoodRoot(g, b, ParameterRange::kAboveLower, n - 1.0);
        RFLAG = (RobustEstimationOn() ? robust.found() : b.found) ? status::kOk
                                                                  : status::kNotAppropriate;
        if (RFLAG == status::kOk) {
            const double N = RobustEstimationOn() ? robust.root
                                                  : SolveBracketedRoot(g, b.fixedEnd, b.fixedValue,
                                                                       b.movingEnd, b.movingValue);
            if (N < n) RFLAG = status::kTotalFaultsBelowObserved;
            double phi = 0.0;
            if (likelihood) {
                phi = n / (N * sums.total - sums.weighted);
            } else {
                const LeastSquaresSums s = LeastSquaresSumsAt(N, n, DAT);
                phi = s.m2 / s.xm;
            }
            STATS(tbf_row::kTotalFaults, kEstimate) = N;
            STATS(kPhiRow, kEstimate) = phi;
            STATS(tbf_row::kInitialIntensity, kEstimate) = phi * N;
            STATS(tbf_row::kCurrentIntensity, kEstimate) = phi * N * std::exp(-phi * sums.total);
            // Below the observed count nothing remains to be found and no next failure is
            // predicted; 0 leaves both rows blank rather than negative.
            const bool belowObserved = RFLAG == status::kTotalFaultsBelowObserved;
            STATS(tbf_row::kRemainingFaults, kEstimate) = belowObserved ? 0.0 : N - n;
            STATS(tbf_row::kCurrentMtbnf, kEstimate) = belowObserved ? 0.0 : 1.0 / (phi * (N - n));
            STATS(tbf_row::kPurificationLevel, kEstimate) = n / N;
        }
    }

    SanitiseStats(STATS, RFLAG);

    w.yields("SJAMMD");
    w.integer("RFLAG", RFLAG);
    w.stats(STATS.matrix());
}

TbfApplicabilityModel JelinskiMorandaApplicabilityModel() {
    return ExponentialApplicabilityModel(
        "SJAMMA",
        [](ConstRealArray prefix, TbfStats& fitted) {
            int rflag = 0;
            SJAMMD(method::kMaximumLikelihood, prefix.size(), prefix, fitted, rflag);
            return rflag;
        },
        NextRate);
}

void SJAMMA(ConstRealArray DAT, int NS, int NSB, int NSE, int NSR, int TYP, double& STAT,
            int& RFLAG, int& INDX, RealArray V, RealArray VPRE) {
    RunTbfApplicability(JelinskiMorandaApplicabilityModel(), DAT, NS, NSB, NSE, NSR, TYP, STAT,
                        RFLAG, INDX, V, VPRE);
}

void SJAMP1(const TbfStats& STATS, double LOP, double& PVAL) {
    trace::Writer w;
    w.enter("SJAMP1");
    w.real("LOP", LOP);
    w.stats(STATS.matrix());

    const double R = STATS(tbf_row::kRemainingFaults, kEstimate);
    PVAL = std::exp(-R * STATS(kPhiRow, kEstimate) * LOP);

    w.yields("SJAMP1");
    w.real("PVAL", PVAL);
}

void SJAMP3(const TbfStats& STATS, int NS, double K, double& PVAL, int& ERRFLG) {
    trace::Writer w;
    w.enter("SJAMP3");
    w.integer("NS", NS);
    w.real("K", K);
    w.stats(STATS.matrix());

    const double N = STATS(tbf_row::kTotalFaults, kEstimate);
    const double phi = STATS(kPhiRow, kEstimate);
    const double r = std::floor(STATS(tbf_row::kRemainingFaults, kEstimate) + 0.5);
    const double m = std::floor(K + 0.5);
    // A count beyond any table a fit produces is refused like one beyond the remaining faults.
    if (K <= r && m <= kMaxPredictionTerms) {
        ERRFLG = 0;
        PVAL = 0.0;
        for (double j = NS; j <= NS + m - 1.0; j += 1.0) PVAL += 1.0 / (phi * (N - j));
    } else {
        ERRFLG = 1;
        PVAL = 0.0;
    }

    w.yields("SJAMP3");
    w.real("PVAL", PVAL);
    w.integer("ERRFLG", ERRFLG);
}

void SJAMP4(const TbfStats& STATS, double DIF, double& PVAL1, double& PVAL2, int& ERRLFG) {
    trace::Writer w;
    w.enter("SJAMP4");
    w.real("DIF", DIF);
    w.stats(STATS.matrix());

    const double current = STATS(tbf_row::kCurrentIntensity, kEstimate);
    const double phi = STATS(kPhiRow, kEstimate);
    const double R = STATS(tbf_row::kRemainingFaults, kEstimate);
    if (DIF < current) {
        ERRLFG = 0;
        PVAL1 = std::log(current / DIF) / phi;
        PVAL2 = std::min((current - DIF) / phi, R);
    } else {
        ERRLFG = 1;
        PVAL1 = 0.0;
        PVAL2 = 0.0;
    }

    w.yields("SJAMP4");
    w.real("PVAL1", PVAL1);
    w.real("PVAL2", PVAL2);
    w.integer("ERRLFG", ERRLFG);
}

void SJAMP6(const TbfStats& STATS, ConstRealArray DAT, int NS, double LOP, double& PVAL) {
    trace::Writer w;
    w.enter("SJAMP6");
    w.integer("NS", NS);
    w.real("LOP", LOP);
    w.stats(STATS.matrix());
    w.array("DAT", DAT, NS);

    const double N = STATS(tbf_row::kTotalFaults, kEstimate);
    const double phi = STATS(kPhiRow, kEstimate);
    const double R = STATS(tbf_row::kRemainingFaults, kEstimate);
    double T = 0.0;
    for (int i = 1; i <= NS && i <= DAT.size(); ++i) T += DAT(i);
    PVAL = std::min(N * (std::exp(-phi * T) - std::exp(-phi * (T + LOP))), R);

    w.yields("SJAMP6");
    w.real("PVAL", PVAL);
}

void SJAMPR(const TbfStats& STATS, int NS, ConstRealArray DAT, RealArray PDAT, double& DVAL,
            int& DFLG, RealArray V) {
    trace::Writer w;
    w.enter("SJAMPR");
    w.integer("NS", NS);
    w.stats(STATS.matrix());
    w.array("DAT", DAT, NS);

    const double N = STATS(tbf_row::kTotalFaults, kEstimate);
    const double phi = STATS(kPhiRow, kEstimate);
    DVAL = 0.0;
    if (NS < 1 || NS > DAT.size() || NS > PDAT.size() || NS > V.size()) {
        DFLG = kFitRejected;
    } else {
        for (int i = 1; i <= NS; ++i) {
            const double rate = phi * (N - i + 1);
            PDAT(i) = 1.0 / rate;
            V(i) = 1.0 - std::exp(-rate * DAT(i));
        }
        KolmogorovDistance(NS, 1, DVAL, V);
        KolmogorovAdequacy(NS, DVAL, DFLG);
    }

    w.yields("SJAMPR");
    w.integer("DFLG", DFLG);
    w.real("DVAL", DVAL);
    w.array("PDAT", PDAT, NS);
    w.array("V", V, NS);
}

}  // namespace vnk
