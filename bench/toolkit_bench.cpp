// Speed of the toolkit pieces the interval goodness-of-fit test and the minimisers call most.
#include <benchmark/benchmark.h>

#include <array>

#include "numerics/box_newton.h"
#include "numerics/chi_square.h"
#include "numerics/matrix3.h"

namespace {

void BM_ChiSquareCdf(benchmark::State& state) {
    const int dof = static_cast<int>(state.range(0));
    double x = 0.5 * dof;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vnk::ChiSquareCdf(dof, x));
        x = x < 2.0 * dof ? x + 0.37 : 0.5 * dof;
    }
}
BENCHMARK(BM_ChiSquareCdf)->Arg(1)->Arg(2)->Arg(9)->Arg(30)->Arg(49)->Arg(80);

vnk::Matrix3 hessian() {
    vnk::Matrix3 h;
    const double values[3][3] = {{4.0, 1.0, 0.5}, {1.0, 3.0, -0.4}, {0.5, -0.4, 2.0}};
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 3; ++j) h(i, j) = values[i - 1][j - 1];
    }
    return h;
}

// Interior Newton point: one factorisation and solve.
void BM_BoxNewtonStepInterior(benchmark::State& state) {
    const vnk::Matrix3 h = hessian();
    const std::array<double, 3> g = {1.0, -2.0, 0.5};
    const std::array<double, 3> xold = {0.0, 0.0, 0.0};
    const std::array<double, 3> lower = {-10.0, -10.0, -10.0};
    const std::array<double, 3> upper = {10.0, 10.0, 10.0};
    std::array<double, 3> xnew{};
    for (auto _ : state) {
        vnk::BoxNewtonStep(g, h, 3, upper, lower, xold, xnew);
        benchmark::DoNotOptimize(xnew);
    }
}
BENCHMARK(BM_BoxNewtonStepInterior);

// A tight box: clips, an active set and a release, as in the minimisers' early iterations.
void BM_BoxNewtonStepActiveSet(benchmark::State& state) {
    const vnk::Matrix3 h = hessian();
    const std::array<double, 3> g = {-6.0, 5.0, -3.0};
    const std::array<double, 3> xold = {0.0, 0.0, 0.0};
    const std::array<double, 3> lower = {-0.2, -0.3, -0.1};
    const std::array<double, 3> upper = {0.3, 0.2, 0.25};
    std::array<double, 3> xnew{};
    for (auto _ : state) {
        vnk::BoxNewtonStep(g, h, 3, upper, lower, xold, xnew);
        benchmark::DoNotOptimize(xnew);
    }
}
BENCHMARK(BM_BoxNewtonStepActiveSet);

}  // namespace
