#include "models/model_likelihoods.h"

#include <cmath>

namespace vnk::models {
namespace {

std::optional<double> finiteOrNone(double lnL) {
    if (!std::isfinite(lnL)) return std::nullopt;
    return lnL;
}

// ln L of an exponential observation x with rate r.
double exponentialTerm(double r, double x) { return std::log(r) - r * x; }

// ln L of a Poisson process with intensity lambda and mean value function mu, failures at the
// cumulative times t(1..n) and observation ending at `end`.
template <class Intensity, class Mean>
std::optional<double> processLogLikelihood(ConstRealArray times, double end, Intensity lambda,
                                           Mean mu) {
    double lnL = -mu(end);
    for (int i = 1; i <= times.size(); ++i) lnL += std::log(lambda(times(i)));
    return finiteOrNone(lnL);
}

std::vector<double> runningSums(ConstRealArray DAT) {
    std::vector<double> t(static_cast<std::size_t>(DAT.size()));
    double sum = 0.0;
    for (int i = 1; i <= DAT.size(); ++i) t[static_cast<std::size_t>(i - 1)] = sum += DAT(i);
    return t;
}

}  // namespace

std::optional<double> GeometricLogLikelihood(const TbfStats& STATS, ConstRealArray DAT) {
    const double phi = STATS(4, kEstimate), D = STATS(tbf_row::kHazardRate, kEstimate);
    if (!(phi > 0.0) || !(D > 0.0)) return std::nullopt;
    double lnL = 0.0;
    for (int i = 1; i <= DAT.size(); ++i) lnL += exponentialTerm(D * std::pow(phi, i - 1), DAT(i));
    return finiteOrNone(lnL);
}

std::optional<double> JelinskiMorandaLogLikelihood(const TbfStats& STATS, ConstRealArray DAT) {
    const double phi = STATS(4, kEstimate), N = STATS(tbf_row::kTotalFaults, kEstimate);
    if (!(phi > 0.0) || !(N > DAT.size() - 1)) return std::nullopt;
    double lnL = 0.0;
    for (int i = 1; i <= DAT.size(); ++i) lnL += exponentialTerm(phi * (N - i + 1), DAT(i));
    return finiteOrNone(lnL);
}

std::optional<double> LittlewoodVerrallLogLikelihood(const TbfStats& STATS, ConstRealArray DAT,
                                                     int PHIIND) {
    const double alpha = STATS(1, kEstimate), beta0 = STATS(2, kEstimate),
                 beta1 = STATS(3, kEstimate);
    if (!(alpha > 0.0)) return std::nullopt;
    double lnL = 0.0;
    for (int i = 1; i <= DAT.size(); ++i) {
        const double psi = beta0 + beta1 * std::pow(static_cast<double>(i), PHIIND);
        if (!(psi > 0.0)) return std::nullopt;
        lnL += std::log(alpha) + alpha * std::log(psi) - (alpha + 1.0) * std::log(psi + DAT(i));
    }
    return finiteOrNone(lnL);
}

std::optional<double> MusaBasicLogLikelihood(const TbfStats& STATS, ConstRealArray DAT,
                                             double XLTM) {
    const double b0 = STATS(2, kEstimate), b1 = STATS(3, kEstimate);
    if (!(b0 > 0.0) || !(b1 > 0.0) || DAT.size() < 1) return std::nullopt;
    const std::vector<double> t = runningSums(DAT);
    return processLogLikelihood(
        ConstRealArray(t), t.back() + XLTM, [&](double s) { return b0 * b1 * std::exp(-b1 * s); },
        [&](double s) { return -b0 * std::expm1(-b1 * s); });
}

std::optional<double> MusaLogarithmicLogLikelihood(const TbfStats& STATS, ConstRealArray DAT,
                                                   double XLTM) {
    const double b0 = STATS(2, kEstimate), b1 = STATS(3, kEstimate);
    if (!(b0 > 0.0) || !(b1 > 0.0) || DAT.size() < 1) return std::nullopt;
    const std::vector<double> t = runningSums(DAT);
    return processLogLikelihood(
        ConstRealArray(t), t.back() + XLTM, [&](double s) { return b0 * b1 / (1.0 + b1 * s); },
        [&](double s) { return b0 * std::log1p(b1 * s); });
}

std::optional<double> NhppTbfLogLikelihood(const TbfStats& STATS, ConstRealArray CDAT) {
    const double a = STATS(tbf_row::kTotalFaults, kEstimate), b = STATS(4, kEstimate);
    if (!(a > 0.0) || !(b > 0.0) || CDAT.size() < 1) return std::nullopt;
    return processLogLikelihood(
        CDAT, CDAT(CDAT.size()), [&](double s) { return a * b * std::exp(-b * s); },
        [&](double s) { return -a * std::expm1(-b * s); });
}

}  // namespace vnk::models
