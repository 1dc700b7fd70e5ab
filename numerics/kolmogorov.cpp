#include "numerics/kolmogorov.h"

#include <array>
#include <cmath>
#include <utility>

namespace vnk {

void KolmogorovDistance(int N, int SORT, double& DIST, RealArray U) {
    if (SORT == 1) {
        // A simple exchange sort; samples are at most 1000 values.
        for (int i = 1; i < N; ++i)
            for (int j = i + 1; j <= N; ++j)
                if (U(j) < U(i)) std::swap(U(i), U(j));
    }
    const double n = static_cast<double>(N);
    for (int i = 1; i <= N; ++i) {
        const double above = U(i) - (i - 1) / n;
        const double below = i / n - U(i);
        if (above > DIST) DIST = above;
        if (below > DIST) DIST = below;
    }
}

double KolmogorovCriticalValue(int N) {
    struct Entry {
        int n;
        double c;
    };
    static constexpr std::array<Entry, 25> table{{
        {1, 0.975},  {2, 0.842},  {3, 0.708},  {4, 0.624},  {5, 0.563},  {6, 0.521},  {7, 0.486},
        {8, 0.457},  {9, 0.432},  {10, 0.409}, {11, 0.391}, {12, 0.375}, {13, 0.361}, {14, 0.349},
        {15, 0.338}, {16, 0.328}, {17, 0.318}, {18, 0.309}, {19, 0.301}, {20, 0.294}, {25, 0.264},
        {30, 0.242}, {35, 0.23},  {40, 0.21},  {50, 0.19},
    }};
    if (N > 50) return 1.36 / std::sqrt(static_cast<double>(N));
    if (N <= 1) return table[0].c;
    for (std::size_t k = 1; k < table.size(); ++k) {
        if (table[k].n < N) continue;
        if (table[k].n == N) return table[k].c;
        const Entry& lo = table[k - 1];
        const Entry& hi = table[k];
        return lo.c + (hi.c - lo.c) * (N - lo.n) / static_cast<double>(hi.n - lo.n);
    }
    return table.back().c;
}

void KolmogorovAdequacy(int N, double DIST, int& VERDICT) {
    VERDICT = KolmogorovCriticalValue(N) <= DIST ? kFitRejected : kFitMayBeAdequate;
}

}  // namespace vnk
