// Small formulas shared by the Littlewood and Verrall routines.
#pragma once

#include <cmath>

#include "numerics/conventions.h"

namespace vnk::lav {

// t(i) = i^p: the failure index raised to the model's power.
inline double Time(int i, int PHIIND) {
    const double di = static_cast<double>(i);
    if (PHIIND == 1) return di;
    if (PHIIND == 2) return di * di;
    return std::pow(di, PHIIND);
}

// psi(i) = beta0 + beta1 * t(i), the scale of the i-th time between failures.
inline double Psi(double beta0, double beta1, int i, int PHIIND) {
    return beta0 + beta1 * Time(i, PHIIND);
}

// The real cube root: a negative argument gives the negative root of its magnitude.
inline double CubeRoot(double v) { return std::cbrt(v); }

// Sum of ln(v) over many positive v, taken as the logarithm of their product: one logarithm
// instead of one per value. The product is kept as a mantissa and a binary exponent, so it
// cannot overflow or underflow; values are multiplied in groups of four, and a group whose
// product leaves [1e-300, 1e300] (or holds a value that is not a positive finite number) is
// summed by logarithms instead. The result is deterministic and differs from the sum of
// logarithms only by rounding.
class LogOfProduct {
  public:
    void add(double v) {
        group_[count_++] = v;
        if (count_ == 4) flush();
    }
    double value() {
        flush();
        return std::log(mantissa_) + static_cast<double>(exponent_) * kLog2 + logs_;
    }

  private:
    static constexpr double kLog2 = 0.6931471805599453;
    void flush() {
        if (count_ == 0) return;
        double p = 1.0;
        for (int k = 0; k < count_; ++k) p *= group_[k];
        if (p >= 1e-300 && p <= 1e300) {
            int e = 0;
            mantissa_ = std::frexp(mantissa_ * p, &e);
            exponent_ += e;
        } else {
            for (int k = 0; k < count_; ++k) logs_ += std::log(group_[k]);
        }
        count_ = 0;
    }
    double group_[4] = {};
    int count_ = 0;
    double mantissa_ = 1.0;
    long long exponent_ = 0;
    double logs_ = 0.0;
};

// Sum of ln(1 + y) over many y >= 0, with the digits of each small y kept, but with a single
// logarithm: the product of the (1 + y) is carried as E = product - 1, updated as
// E + y + E y, a sum of non-negative terms that loses nothing to cancellation. When E grows
// large its logarithm is banked and E restarts from 0; a y that is huge, negative or not a
// number is summed by its own logarithm.
class SumOfLog1p {
  public:
    void add(double y) {
        if (!(y >= 0.0 && y <= kLarge)) {
            sum_ += std::log1p(y);
            return;
        }
        excess_ = excess_ + y + excess_ * y;
        if (excess_ > kLarge) {
            sum_ += std::log1p(excess_);
            excess_ = 0.0;
        }
    }
    double value() const { return sum_ + std::log1p(excess_); }

  private:
    static constexpr double kLarge = 1e100;
    double excess_ = 0.0;
    double sum_ = 0.0;
};

// The likelihood's sums over the data that depend on beta0 and beta1 only; alpha enters the
// objective, gradient and Hessian as a factor of them. Computing them once per (beta0, beta1)
// lets the estimation share them between the objective, gradient and Hessian of one point.
struct LogSums {
    double logPsi = 0.0;    // sum ln psi
    double logRatio = 0.0;  // sum ln((psi + x) / psi) = sum ln(1 + x / psi)
};
LogSums LikelihoodLogs(ConstRealArray DAT, int NS, int PHIIND, double beta0, double beta1);

// With r1 = 1/psi, r2 = 1/(psi + x), u = r1 - r2 = x r1 r2 and v = u (r1 + r2) = r1^2 - r2^2:
struct CurvatureSums {
    double r2 = 0.0, tr2 = 0.0;                    // sum r2, sum t r2
    double u = 0.0, tu = 0.0;                      // sum u, sum t u
    double v = 0.0, tv = 0.0, ttv = 0.0;           // sum v, sum t v, sum t^2 v
    double r2r2 = 0.0, tr2r2 = 0.0, ttr2r2 = 0.0;  // sum r2^2, sum t r2^2, sum t^2 r2^2
};
CurvatureSums LikelihoodCurvature(ConstRealArray DAT, int NS, int PHIIND, double beta0,
                                  double beta1);

// The negative log-likelihood, its gradient and its Hessian (before any shift) from the sums.
double NegativeLogLikelihood(int NS, double alpha, const LogSums& logs);
void GradientFromSums(int NS, double alpha, const LogSums& logs, const CurvatureSums& c,
                      RealArray G);
void HessianFromSums(int NS, double alpha, const CurvatureSums& c, RealMatrix H);

}  // namespace vnk::lav
