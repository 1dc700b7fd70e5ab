#include "numerics/musa_logarithmic.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "numerics/brent.h"
#include "numerics/elapsed_times.h"
#include "numerics/kolmogorov.h"
#include "numerics/robust_root.h"
#include "numerics/sanitise.h"
#include "numerics/trace.h"

namespace vnk {
namespace {

double b0Of(const TbfStats& s) { return s(2, kEstimate); }
double b1Of(const TbfStats& s) { return s(3, kEstimate); }

// The expected time from the start to failure i is ((b0 / (b0 - 1))^i - 1) / b1; it is finite
// only for b0 > 1, and 0.0 stands for a time that is not.
double expectedFailureTime(double b0, double b1, double i) {
    if (!(b0 > 1.0)) return 0.0;
    const double t = (std::pow(b0 / (b0 - 1.0), i) - 1.0) / b1;
    return std::isfinite(t) ? t : 0.0;
}

void estimate(int NS, ConstRealArray DAT, double XLTM, TbfStats& STATS, int& RFLAG) {
    STATS.clear();
    RFLAG = -1;
    if (!HoldsEntries(DAT, NS)) {
        RFLAG = status::kNotAppropriate;
        return;
    }
    const double Tn = ElapsedTimesOf(DAT, NS).last;
    const double Te = Tn + XLTM;
    if (!(Te > 0.0) || !std::isfinite(Te)) {
        RFLAG = status::kNotAppropriate;
        return;
    }
    const double n = NS;
    auto g = [&](double b) {
        double sum = 0.0;
        double T = 0.0;
        for (int i = 1; i <= NS; ++i) {
            T += DAT(i);
            sum += 1.0 / (1.0 + b * T);
        }
        const double bTe = b * Te;
        return sum / b - n * Te / ((1.0 + bTe) * std::log(1.0 + bTe));
    };

    const double b10 = 10.0 / Te;
    const double b100 = 10.0 * b10;
    const double b1000 = 10.0 * b100;
    const double b10000 = 10.0 * b1000;
    const Bracket bracket = FindBracket(g, 0.1 / Te, {b10, b100, b1000, b10000});
    LikelihoodRoot robust;
    if (RobustEstimationOn())
        robust = RobustLikelihoodRoot(g, bracket, ParameterRange::kAboveLower);
    if (RobustEstimationOn() ? !robust.found() : !bracket.found) {
        RFLAG = status::kNotAppropriate;
        return;
    }
    // A bracketed root is an estimate.
    RFLAG = status::kOk;

    const double b1 = robust.found() ? robust.root
                                     : SolveBracketedRoot(g, bracket.fixedEnd, bracket.fixedValue,
                                                          bracket.movingEnd, bracket.movingValue);
    const double b0 = n / std::log(1.0 + b1 * Te);
    STATS(2, kEstimate) = b0;
    STATS(3, kEstimate) = b1;
    if (b0 <= 0.0) RFLAG = status::kNotAppropriate;

    if (RFLAG == status::kOk) {
        const double lambda0 = b0 * b1;
        STATS(tbf_row::kInitialIntensity, kEstimate) = lambda0;
        STATS(tbf_row::kCurrentIntensity, kEstimate) = lambda0 / (1.0 + b1 * Tn);
        if (b0 > 1.0) {
            STATS(tbf_row::kCurrentMtbnf, kEstimate) =
                (1.0 / b1) * (std::pow(b0 / (b0 - 1.0), n + 1.0) - 1.0) - Tn;
        }
        STATS(tbf_row::kPurificationLevel, kEstimate) = 1.0 - std::exp(-b1 * Tn);
    }
    SanitiseStats(STATS, RFLAG);
}

double lastFailureTime(ConstRealArray DAT, int NS) {
    return ElapsedTimesOf(DAT, std::clamp(NS, 0, DAT.size())).last;
}

}  // namespace

void SMSAMD(int NS, ConstRealArray DAT, double XLTM, TbfStats& STATS, int& RFLAG) {
    trace::Writer w;
    w.enter("SMSAMD");
    w.integer("NS", NS);
    w.real("XLTM", XLTM);
    w.array("DAT", DAT, NS);
    estimate(NS, DAT, XLTM, STATS, RFLAG);
    w.yields("SMSAMD");
    w.integer("RFLAG", RFLAG);
    w.stats(STATS.matrix());
}

TbfApplicabilityModel MusaLogarithmicApplicabilityModel() {
    auto fitted = std::make_shared<TbfStats>();
    TbfApplicabilityModel m;
    m.routine = "SMSAMA";
    m.fit = [fitted](ConstRealArray prefix) {
        int rflag = 0;
        estimate(prefix.size(), prefix, 0.0, *fitted, rflag);
        return rflag;
    };
    m.negLogDensity = [fitted](const TbfStep& s) {
        const double b0 = b0Of(*fitted);
        const double b1 = b1Of(*fitted);
        const double atNext = std::log(1.0 + b1 * (s.T + s.x));
        return -(std::log(b0) + std::log(b1) - atNext + b0 * (std::log(1.0 + b1 * s.T) - atNext));
    };
    m.distribution = [fitted](const TbfStep& s) {
        const double b0 = b0Of(*fitted);
        const double b1 = b1Of(*fitted);
        return 1.0 - std::pow((1.0 + b1 * s.T) / (1.0 + b1 * (s.T + s.x)), b0);
    };
    m.median = [fitted](const TbfStep& s) {
        const double b0 = b0Of(*fitted);
        const double b1 = b1Of(*fitted);
        return TbfMedian{true, ((1.0 + b1 * s.T) * (std::pow(0.5, -1.0 / b0) - 1.0)) / b1};
    };
    m.another = [] { return MusaLogarithmicApplicabilityModel(); };
    return m;
}

void SMSAMA(ConstRealArray DAT, int NS, int NSB, int NSE, int NSR, int TYP, double& STAT,
            int& RFLAG, int& INDX, RealArray V, RealArray VPRE) {
    RunTbfApplicability(MusaLogarithmicApplicabilityModel(), DAT, NS, NSB, NSE, NSR, TYP, STAT,
                        RFLAG, INDX, V, VPRE);
}

void SMSAP1(const TbfStats& STATS, ConstRealArray DAT, int NS, double LOP, double& PVAL) {
    trace::Writer w;
    w.enter("SMSAP1");
    w.integer("NS", NS);
    w.real("LOP", LOP);
    w.stats(STATS.matrix());
    w.array("DAT", DAT, NS);
    const double T = lastFailureTime(DAT, NS);
    const double b0 = b0Of(STATS);
    const double b1 = b1Of(STATS);
    PVAL = std::pow((1.0 + b1 * T) / (1.0 + b1 * (T + LOP)), b0);
    w.yields("SMSAP1");
    w.real("PVAL", PVAL);
}

void SMSAP3(const TbfStats& STATS, ConstRealArray DAT, int NS, double K, double& PVAL) {
    trace::Writer w;
    w.enter("SMSAP3");
    w.integer("NS", NS);
    w.real("K", K);
    w.stats(STATS.matrix());
    w.array("DAT", DAT, NS);
    const double T = lastFailureTime(DAT, NS);
    const double k = std::trunc(K + 0.5);
    const double b0 = b0Of(STATS);
    const double b1 = b1Of(STATS);
    const double reached = expectedFailureTime(b0, b1, NS + k);
    // With b0 <= 1 (or beyond what a double holds) the expected time is not finite.
    PVAL = reached > 0.0 ? reached - T : 0.0;
    w.yields("SMSAP3");
    w.real("PVAL", PVAL);
}

void SMSAP4(const TbfStats& STATS, double DIF, double& PVAL1, double& PVAL2, int& ERRLFG) {
    trace::Writer w;
    w.enter("SMSAP4");
    w.real("DIF", DIF);
    w.stats(STATS.matrix());
    const double current = STATS(tbf_row::kCurrentIntensity, kEstimate);
    if (DIF >= current) {
        ERRLFG = 1;
        PVAL1 = 0.0;
        PVAL2 = 0.0;
    } else {
        ERRLFG = 0;
        const double b0 = b0Of(STATS);
        PVAL2 = b0 * std::log(current / DIF);
        PVAL1 = b0 * (1.0 / DIF - 1.0 / current);
    }
    w.yields("SMSAP4");
    w.real("PVAL1", PVAL1);
    w.real("PVAL2", PVAL2);
    w.integer("ERRLFG", ERRLFG);
}

void SMSAP6(const TbfStats& STATS, ConstRealArray DAT, int NS, double LOP, double& PVAL) {
    trace::Writer w;
    w.enter("SMSAP6");
    w.integer("NS", NS);
    w.real("LOP", LOP);
    w.stats(STATS.matrix());
    w.array("DAT", DAT, NS);
    const double T = lastFailureTime(DAT, NS);
    const double b0 = b0Of(STATS);
    const double b1 = b1Of(STATS);
    PVAL = b0 * std::log((1.0 + b1 * (T + LOP)) / (1.0 + b1 * T));
    w.yields("SMSAP6");
    w.real("PVAL", PVAL);
}

void SMSAPR(const TbfStats& STATS, int NS, ConstRealArray DAT, RealArray PDAT, double& DVAL,
            int& DFLG, RealArray V) {
    trace::Writer w;
    w.enter("SMSAPR");
    w.integer("NS", NS);
    w.stats(STATS.matrix());
    w.array("DAT", DAT, NS);
    const int n = std::min({NS, DAT.size(), PDAT.size(), V.size()});
    const double b0 = b0Of(STATS);
    const double b1 = b1Of(STATS);
    DVAL = 0.0;
    double previous = 0.0;  // T(i - 1)
    for (int i = 1; i <= n; ++i) {
        const double toThis = expectedFailureTime(b0, b1, i);
        const double toPrevious = expectedFailureTime(b0, b1, i - 1);
        // Both ends finite, or no prediction at all.
        PDAT(i) = toThis > 0.0 ? toThis - toPrevious : 0.0;
        V(i) = 1.0 - std::pow((1.0 + b1 * previous) / (1.0 + b1 * (previous + DAT(i))), b0);
        previous += DAT(i);
    }
    if (n >= 1) {
        KolmogorovDistance(n, 1, DVAL, V);
        KolmogorovAdequacy(n, DVAL, DFLG);
    } else {
        DFLG = kFitMayBeAdequate;
    }
    w.yields("SMSAPR");
    w.integer("DFLG", DFLG);
    w.real("DVAL", DVAL);
    w.array("PDAT", PDAT, NS);
    w.array("V", V, NS);
}

}  // namespace vnk
