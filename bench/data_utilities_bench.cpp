// Data utilities on a full data set of 1000 times between failures.
#include <benchmark/benchmark.h>

#include <array>
#include <random>
#include <vector>

#include "numerics/vnkdst.h"
#include "numerics/vnktrn.h"

namespace {

std::vector<double> Times(int n) {
    std::mt19937 gen(20240601);
    std::exponential_distribution<double> tbf(0.01);
    std::vector<double> out(static_cast<std::size_t>(n));
    for (double& t : out) t = tbf(gen);
    return out;
}

void BM_Vnkdst(benchmark::State& state) {
    const std::vector<double> data = Times(static_cast<int>(state.range(0)));
    std::vector<double> sorted(data.size());
    std::array<double, vnk::dst::kCount> stats{};
    for (auto _ : state) {
        vnk::VNKDST(data, static_cast<int>(data.size()), vnk::dst::kAll, stats, sorted);
        benchmark::DoNotOptimize(stats);
    }
}
BENCHMARK(BM_Vnkdst)->Arg(1000);

void BM_Vnktrn(benchmark::State& state) {
    const std::vector<double> original = Times(1000);
    const int type = static_cast<int>(state.range(0));
    std::vector<double> data = original;
    int ERRFLG = 0;
    for (auto _ : state) {
        data = original;  // a copy of 8 kB, small beside the transformation
        vnk::VNKTRN(static_cast<int>(data.size()), 0.5, 1.0, type, data, ERRFLG);
        benchmark::DoNotOptimize(data.data());
    }
}
BENCHMARK(BM_Vnktrn)
    ->ArgName("TRNTYP")
    ->Arg(vnk::trn::kMultiply)
    ->Arg(vnk::trn::kPower)
    ->Arg(vnk::trn::kLog)
    ->Arg(vnk::trn::kRunningSum);

}  // namespace
