// Small formulas shared by the Littlewood and Verrall routines.
#pragma once

#include <cmath>

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

}  // namespace vnk::lav
