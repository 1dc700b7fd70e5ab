// The Littlewood and Verrall likelihood: objective, gradient and Hessian.
#include <cmath>

#include "numerics/littlewood_verrall.h"
#include "numerics/littlewood_verrall_terms.h"
#include "numerics/eigen.h"

namespace vnk {

void LavObjective(ConstRealArray DAT, int ESF, int /*NP*/, int NS, int PHIIND, ConstRealArray X,
                  double& F) {
    const double alpha = X(1);
    const double beta0 = X(2);
    const double beta1 = X(3);
    double sum = 0.0;
    if (ESF == method::kMaximumLikelihood) {
        // (alpha + 1) ln(psi + x) - alpha ln psi, written so that the difference of the two
        // logarithms keeps its digits when x is small against psi.
        for (int i = 1; i <= NS; ++i) {
            const double psi = beta0 + beta1 * lav::Time(i, PHIIND);
            const double x = DAT(i);
            sum += std::log(psi + x) + alpha * std::log1p(x / psi);
        }
        F = -NS * std::log(alpha) + sum;
        return;
    }
    const double a = alpha - 1.0;
    for (int i = 1; i <= NS; ++i) {
        const double residual = DAT(i) - (beta0 + beta1 * lav::Time(i, PHIIND)) / a;
        sum += residual * residual;
    }
    F = sum;
}

void LavGradient(ConstRealArray DAT, int /*NP*/, int NS, int PHIIND, ConstRealArray X,
                 RealArray G) {
    const double alpha = X(1);
    const double beta0 = X(2);
    const double beta1 = X(3);
    double g1 = 0.0, g2 = 0.0, g3 = 0.0;
    for (int i = 1; i <= NS; ++i) {
        const double t = lav::Time(i, PHIIND);
        const double psi = beta0 + beta1 * t;
        const double x = DAT(i);
        const double d = (alpha + 1.0) / (psi + x) - alpha / psi;
        g1 += std::log1p(x / psi);
        g2 += d;
        g3 += t * d;
    }
    G(1) = -NS / alpha + g1;
    G(2) = g2;
    G(3) = g3;
}

void LavHessian(ConstRealArray DAT, int /*NP*/, int NS, int PHIIND, ConstRealArray X,
                RealMatrix H) {
    const double alpha = X(1);
    const double beta0 = X(2);
    const double beta1 = X(3);
    double su = 0.0, stu = 0.0, sw = 0.0, stw = 0.0, sttw = 0.0;
    for (int i = 1; i <= NS; ++i) {
        const double t = lav::Time(i, PHIIND);
        const double psi = beta0 + beta1 * t;
        const double x = DAT(i);
        const double psix = psi + x;
        const double u = x / (psi * psix);  // 1/psi - 1/(psi + x)
        const double w = alpha / (psi * psi) - (alpha + 1.0) / (psix * psix);
        su += u;
        stu += t * u;
        sw += w;
        stw += t * w;
        sttw += t * t * w;
    }
    H(1, 1) = NS / (alpha * alpha);
    H(1, 2) = H(2, 1) = -su;
    H(1, 3) = H(3, 1) = -stu;
    H(2, 2) = sw;
    H(2, 3) = H(3, 2) = stw;
    H(3, 3) = sttw;
    RegulariseHessian(kLavParameters, H);
}

}  // namespace vnk
