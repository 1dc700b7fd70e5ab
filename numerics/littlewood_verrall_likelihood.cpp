// The Littlewood and Verrall likelihood: objective, gradient and Hessian.
#include <cmath>

#include "numerics/eigen.h"
#include "numerics/littlewood_verrall.h"
#include "numerics/littlewood_verrall_terms.h"

namespace vnk {
namespace lav {

LogSums LikelihoodLogs(ConstRealArray DAT, int NS, int PHIIND, double beta0, double beta1) {
    LogOfProduct psi;
    SumOfLog1p ratio;
    for (int i = 1; i <= NS; ++i) {
        const double p = Psi(beta0, beta1, i, PHIIND);
        psi.add(p);
        ratio.add(DAT(i) / p);
    }
    LogSums s;
    s.logPsi = psi.value();
    s.logRatio = ratio.value();
    return s;
}

CurvatureSums LikelihoodCurvature(ConstRealArray DAT, int NS, int PHIIND, double beta0,
                                  double beta1) {
    CurvatureSums s;
    for (int i = 1; i <= NS; ++i) {
        const double t = Time(i, PHIIND);
        const double psi = beta0 + beta1 * t;
        const double x = DAT(i);
        const double r1 = 1.0 / psi;
        const double r2 = 1.0 / (psi + x);
        const double u = x * r1 * r2;  // 1/psi - 1/(psi + x) without the cancellation
        const double v = u * (r1 + r2);
        const double rr = r2 * r2;
        s.r2 += r2;
        s.tr2 += t * r2;
        s.u += u;
        s.tu += t * u;
        s.v += v;
        s.tv += t * v;
        s.ttv += t * t * v;
        s.r2r2 += rr;
        s.tr2r2 += t * rr;
        s.ttr2r2 += t * t * rr;
    }
    return s;
}

// -n ln alpha + sum [(alpha + 1) ln(psi + x) - alpha ln psi], with ln(psi + x) = ln psi +
// ln(1 + x/psi): the large logarithms do not meet alpha, so a large alpha costs no digits.
double NegativeLogLikelihood(int NS, double alpha, const LogSums& logs) {
    return -NS * std::log(alpha) + logs.logPsi + (alpha + 1.0) * logs.logRatio;
}

// G1 = -n/alpha + sum ln((psi + x)/psi); G2 = sum [(alpha + 1)/(psi + x) - alpha/psi] and G3
// the same weighted by t, where (alpha + 1) r2 - alpha r1 = r2 - alpha u.
void GradientFromSums(int NS, double alpha, const LogSums& logs, const CurvatureSums& c,
                      RealArray G) {
    G(1) = -NS / alpha + logs.logRatio;
    G(2) = c.r2 - alpha * c.u;
    G(3) = c.tr2 - alpha * c.tu;
}

// w = alpha/psi^2 - (alpha + 1)/(psi + x)^2 = alpha v - r2^2.
void HessianFromSums(int NS, double alpha, const CurvatureSums& c, RealMatrix H) {
    H(1, 1) = NS / (alpha * alpha);
    H(1, 2) = H(2, 1) = -c.u;
    H(1, 3) = H(3, 1) = -c.tu;
    H(2, 2) = alpha * c.v - c.r2r2;
    H(2, 3) = H(3, 2) = alpha * c.tv - c.tr2r2;
    H(3, 3) = alpha * c.ttv - c.ttr2r2;
}

}  // namespace lav

void LavObjective(ConstRealArray DAT, int ESF, int /*NP*/, int NS, int PHIIND, ConstRealArray X,
                  double& F) {
    const double alpha = X(1);
    const double beta0 = X(2);
    const double beta1 = X(3);
    if (ESF == method::kMaximumLikelihood) {
        F = lav::NegativeLogLikelihood(NS, alpha,
                                       lav::LikelihoodLogs(DAT, NS, PHIIND, beta0, beta1));
        return;
    }
    const double a = alpha - 1.0;
    double sum = 0.0;
    for (int i = 1; i <= NS; ++i) {
        const double residual = DAT(i) - lav::Psi(beta0, beta1, i, PHIIND) / a;
        sum += residual * residual;
    }
    F = sum;
}

void LavGradient(ConstRealArray DAT, int /*NP*/, int NS, int PHIIND, ConstRealArray X,
                 RealArray G) {
    lav::GradientFromSums(NS, X(1), lav::LikelihoodLogs(DAT, NS, PHIIND, X(2), X(3)),
                          lav::LikelihoodCurvature(DAT, NS, PHIIND, X(2), X(3)), G);
}

void LavHessian(ConstRealArray DAT, int /*NP*/, int NS, int PHIIND, ConstRealArray X,
                RealMatrix H) {
    lav::HessianFromSums(NS, X(1), lav::LikelihoodCurvature(DAT, NS, PHIIND, X(2), X(3)), H);
    RegulariseHessian(kLavParameters, H);
}

}  // namespace vnk
