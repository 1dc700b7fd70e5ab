// The Brooks and Motley likelihood with its analytic derivatives. With A(i) = N F(i) - PEC M(i)
// faults available and p(i) = 1 - (1 - q)^L(i) the chance that one of them shows in interval i:
//   binomial: l = sum [ ln A(A-1)...(A-c+1) + C ln p + (A - C) L ln(1 - q) ],  c = floor(C)
//   Poisson:  l = sum [ C (ln A + ln p) - p A ]
#include <algorithm>
#include <cmath>

#include "numerics/brooks_motley.h"
#include "numerics/rising_factorial.h"

namespace vnk {
namespace {

using Term = BamDetectionTerms::Term;

// p = 1 - (1 - q)^L and its first two derivatives in q, accurate for small q. logSurvival is
// ln(1 - q), the same for every interval.
Term detection(double logSurvival, double q, double L) {
    const double survival = std::exp(L * logSurvival);  // (1 - q)^L
    return {-std::expm1(L * logSurvival), L * survival / (1.0 - q),
            -L * (L - 1.0) * survival / ((1.0 - q) * (1.0 - q))};
}

// C * ln(x), with the count-free term 0 even where x is 0.
double countLog(double C, double x) { return C == 0.0 ? 0.0 : C * std::log(x); }

// Derivatives of ln p in q: p'/p and (p'' p - p'^2) / p^2.
double logSlope(const Term& d) { return d.dp / d.p; }
double logCurvature(const Term& d) { return (d.d2p * d.p - d.dp * d.dp) / (d.p * d.p); }

}  // namespace

const std::vector<Term>& BamDetectionTerms::at(const BamData& data, double q) {
    if (data.L.data() == lengths_ && data.NS == NS_ && q == q_) return terms_;
    lengths_ = data.L.data();
    NS_ = data.NS;
    q_ = q;
    terms_.resize(static_cast<std::size_t>(std::max(data.NS, 0)));
    const double logSurvival = std::log1p(-q);
    // Intervals of equal length (the usual case) share their terms.
    for (int i = 1; i <= data.NS; ++i) {
        const auto k = static_cast<std::size_t>(i - 1);
        terms_[k] = i > 1 && data.L(i) == data.L(i - 1) ? terms_[k - 1]
                                                        : detection(logSurvival, q, data.L(i));
    }
    return terms_;
}

double BamObjective(const BamData& data, double N, double q) {
    BamDetectionTerms terms;
    return BamObjective(data, N, q, terms);
}

void BamGradient(const BamData& data, double N, double q, RealArray G) {
    BamDetectionTerms terms;
    BamGradient(data, N, q, G, terms);
}

void BamHessian(const BamData& data, double N, double q, RealMatrix H) {
    BamDetectionTerms terms;
    BamHessian(data, N, q, H, terms);
}

double BamObjective(const BamData& data, double N, double q, BamDetectionTerms& terms) {
    double l = 0.0;
    const double logSurvival = std::log1p(-q);
    const std::vector<Term>& d = terms.at(data, q);
    for (int i = 1; i <= data.NS; ++i) {
        const double C = data.C(i), L = data.L(i), F = data.F(i);
        const double A = N * F - data.PEC * data.M(i);
        const double p = d[static_cast<std::size_t>(i - 1)].p;
        if (data.ESF == bam_variant::kBinomial) {
            const double c = std::trunc(C);
            l += LogRisingFactorial(A - c + 1.0, c) + countLog(C, p) + (A - C) * L * logSurvival;
        } else {
            l += countLog(C, A) + countLog(C, p) - p * A;
        }
    }
    return -l;
}

void BamGradient(const BamData& data, double N, double q, RealArray G, BamDetectionTerms& terms) {
    double gN = 0.0, gq = 0.0;
    const double logSurvival = std::log1p(-q);
    const std::vector<Term>& detections = terms.at(data, q);
    for (int i = 1; i <= data.NS; ++i) {
        const double C = data.C(i), L = data.L(i), F = data.F(i);
        const double A = N * F - data.PEC * data.M(i);
        const Term& d = detections[static_cast<std::size_t>(i - 1)];
        const double countSlope = C == 0.0 ? 0.0 : C * logSlope(d);
        if (data.ESF == bam_variant::kBinomial) {
            const double c = std::trunc(C);
            gN += F * RisingReciprocalSum(A - c + 1.0, c) + F * L * logSurvival;
            gq += countSlope - (A - C) * L / (1.0 - q);
        } else {
            gN += (C == 0.0 ? 0.0 : C * F / A) - d.p * F;
            gq += countSlope - d.dp * A;
        }
    }
    G(1) = -gN;
    G(2) = -gq;
}

void BamHessian(const BamData& data, double N, double q, RealMatrix H, BamDetectionTerms& terms) {
    double hNN = 0.0, hNq = 0.0, hqq = 0.0;
    const std::vector<Term>& detections = terms.at(data, q);
    for (int i = 1; i <= data.NS; ++i) {
        const double C = data.C(i), L = data.L(i), F = data.F(i);
        const double A = N * F - data.PEC * data.M(i);
        const Term& d = detections[static_cast<std::size_t>(i - 1)];
        const double countCurvature = C == 0.0 ? 0.0 : C * logCurvature(d);
        if (data.ESF == bam_variant::kBinomial) {
            const double c = std::trunc(C);
            hNN -= F * F * RisingReciprocalSquareSum(A - c + 1.0, c);
            hNq -= F * L / (1.0 - q);
            hqq += countCurvature - (A - C) * L / ((1.0 - q) * (1.0 - q));
        } else {
            hNN -= C == 0.0 ? 0.0 : C * F * F / (A * A);
            hNq -= d.dp * F;
            hqq += countCurvature - d.d2p * A;
        }
    }
    H(1, 1) = -hNN;
    H(1, 2) = -hNq;
    H(2, 1) = -hNq;
    H(2, 2) = -hqq;
}

double BamLimitLogLikelihood(const BamData& data) {
    // As N grows with N q = theta fixed, interval i's count becomes Poisson with mean
    // theta F(i) L(i); the best theta is sum C / sum F L.
    double faults = 0.0, exposure = 0.0;
    for (int i = 1; i <= data.NS; ++i) {
        const double C = data.C(i);
        if (data.ESF == bam_variant::kBinomial && C != std::trunc(C)) {
            return -INFINITY;
        }
        faults += C;
        exposure += data.F(i) * data.L(i);
    }
    if (faults == 0.0) return 0.0;
    const double theta = faults / exposure;
    double l = -faults;
    for (int i = 1; i <= data.NS; ++i) {
        l += countLog(data.C(i), theta * data.F(i) * data.L(i));
    }
    return l;
}

}  // namespace vnk
