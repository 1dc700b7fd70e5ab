// The generalized Poisson weightings and the weighting-3 likelihood in (N, alpha). With phi at
// its best value T / S for the given (N, alpha) (T = sum C, S = sum d(j) L(j)^alpha,
// d(j) = N - M(j)) the expected counts add up to T, so
//   f(N, alpha) = T - sum C(i) [ln phi + ln d(i) + alpha ln L(i)].
#include <cmath>

#include "numerics/generalized_poisson.h"

namespace vnk {
namespace {

// The sums every weighting-3 quantity is built from.
struct AlphaSums {
    double T = 0.0;            // sum C
    double S = 0.0;            // sum d L^a
    double SN = 0.0;           // dS/dN = sum L^a
    double Sa = 0.0;           // dS/da = sum d L^a ln L
    double SNa = 0.0;          // sum L^a ln L
    double Saa = 0.0;          // sum d L^a ln^2 L
    double countOverD = 0.0;   // sum C / d
    double countOverD2 = 0.0;  // sum C / d^2
    double countLogD = 0.0;    // sum C ln d
    double countLogL = 0.0;    // sum C ln L

    AlphaSums(int NS, ConstRealArray C, ConstRealArray L, ConstRealArray M, double N,
              double alpha) {
        for (int i = 1; i <= NS; ++i) {
            const double d = N - M(i);
            const double logL = std::log(L(i));
            const double weight = std::exp(alpha * logL);
            T += C(i);
            S += d * weight;
            SN += weight;
            Sa += d * weight * logL;
            SNa += weight * logL;
            Saa += d * weight * logL * logL;
            if (C(i) != 0.0) {
                countOverD += C(i) / d;
                countOverD2 += C(i) / (d * d);
                countLogD += C(i) * std::log(d);
                countLogL += C(i) * logL;
            }
        }
    }
};

}  // namespace

double GpoWeight(int WFSF, double alpha, double length) {
    if (WFSF == gpo_weighting::kSchickWolverton) return length * length / 2.0;
    return std::pow(length, alpha);
}

double GpoObjective(int NS, ConstRealArray C, ConstRealArray L, ConstRealArray M, double N,
                    double alpha) {
    const AlphaSums s(NS, C, L, M, N, alpha);
    const double logPhi = std::log(s.T / s.S);
    return s.T - (s.T * logPhi + s.countLogD + alpha * s.countLogL);
}

void GpoGradient(int NS, ConstRealArray C, ConstRealArray L, ConstRealArray M, double N,
                 double alpha, RealArray G) {
    const AlphaSums s(NS, C, L, M, N, alpha);
    G(1) = s.T * s.SN / s.S - s.countOverD;
    G(2) = s.T * s.Sa / s.S - s.countLogL;
}

void GpoHessian(int NS, ConstRealArray C, ConstRealArray L, ConstRealArray M, double N,
                double alpha, RealMatrix H) {
    const AlphaSums s(NS, C, L, M, N, alpha);
    const double S2 = s.S * s.S;
    H(1, 1) = -s.T * s.SN * s.SN / S2 + s.countOverD2;
    H(1, 2) = s.T * (s.SNa / s.S - s.SN * s.Sa / S2);
    H(2, 1) = H(1, 2);
    H(2, 2) = s.T * (s.Saa / s.S - s.Sa * s.Sa / S2);
}

}  // namespace vnk
