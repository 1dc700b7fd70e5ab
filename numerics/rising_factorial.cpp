#include "numerics/rising_factorial.h"

#include <cmath>

namespace vnk {
namespace {

// Up to this many terms are summed directly; that is also what keeps small counts exact.
constexpr double kDirectTerms = 64.0;
// The asymptotic series are used from this argument on, where their truncation error is
// below 1e-13.
constexpr double kSeriesStart = 32.0;

// Moves the leading terms below kSeriesStart into a direct sum, so the series sees x >= 32.
template <class Term>
double shiftUp(double& x, double& n, Term term) {
    double sum = 0.0;
    while (x < kSeriesStart && n > 0.0) {
        sum += term(x);
        x += 1.0;
        n -= 1.0;
    }
    return sum;
}

}  // namespace

double LogRisingFactorial(double x, double n) {
    if (n <= kDirectTerms) {
        double sum = 0.0;
        for (double j = 0.0; j < n; j += 1.0) sum += std::log(x + j);
        return sum;
    }
    double sum = shiftUp(x, n, [](double v) { return std::log(v); });
    const double y = x + n;
    // ln Gamma(z) = (z - 1/2) ln z - z + ln sqrt(2 pi) + s(z)
    auto s = [](double z) {
        const double z2 = z * z;
        return (1.0 / 12.0 - (1.0 / 360.0 - 1.0 / (1260.0 * z2)) / z2) / z;
    };
    sum += n * std::log(y) + (x - 0.5) * std::log1p(n / x) - n + s(y) - s(x);
    return sum;
}

double RisingReciprocalSum(double x, double n) {
    if (n <= kDirectTerms) {
        double sum = 0.0;
        for (double j = 0.0; j < n; j += 1.0) sum += 1.0 / (x + j);
        return sum;
    }
    double sum = shiftUp(x, n, [](double v) { return 1.0 / v; });
    const double y = x + n;
    // psi(z) = ln z - 1/(2z) - t(z)
    auto t = [](double z) {
        const double z2 = z * z;
        return (1.0 / 12.0 - (1.0 / 120.0 - 1.0 / (252.0 * z2)) / z2) / z2;
    };
    sum += std::log1p(n / x) - 0.5 / y + 0.5 / x - t(y) + t(x);
    return sum;
}

double RisingReciprocalSquareSum(double x, double n) {
    if (n <= kDirectTerms) {
        double sum = 0.0;
        for (double j = 0.0; j < n; j += 1.0) sum += 1.0 / ((x + j) * (x + j));
        return sum;
    }
    double sum = shiftUp(x, n, [](double v) { return 1.0 / (v * v); });
    // psi'(z) = 1/z + 1/(2z^2) + 1/(6z^3) - 1/(30z^5) + 1/(42z^7)
    auto trigamma = [](double z) {
        const double z2 = z * z;
        return 1.0 / z + (0.5 + (1.0 / 6.0 - (1.0 / 30.0 - 1.0 / (42.0 * z2)) / z2) / z) / z2;
    };
    sum += trigamma(x) - trigamma(x + n);
    return sum;
}

}  // namespace vnk
