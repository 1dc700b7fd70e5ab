// Trend analysis of a full data set: 1000 times between failures, 1000 intervals.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "numerics/trend_tests.h"

namespace {

std::vector<double> Exponential(int n, double rate) {
    std::mt19937 gen(20240601);
    std::exponential_distribution<double> draw(rate);
    std::vector<double> out(static_cast<std::size_t>(n));
    for (double& t : out) t = draw(gen);
    return out;
}

// Software history (Laplace and running average) and hardware history (with MIL-HDBK-189).
void BM_TbfTrendAnalysis(benchmark::State& state) {
    const std::vector<double> data = Exponential(1000, 0.01);
    const bool hardware = state.range(0) != 0;
    for (auto _ : state) {
        vnk::TrendAnalysis a =
            vnk::TbfTrendAnalysis(vnk::ConstRealArray(data), 1000, 25.0, hardware);
        benchmark::DoNotOptimize(a);
    }
}
BENCHMARK(BM_TbfTrendAnalysis)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_IntervalTrendAnalysis(benchmark::State& state) {
    std::vector<double> counts = Exponential(1000, 0.2);
    for (double& c : counts) c = static_cast<double>(static_cast<int>(c));
    const std::vector<double> lengths = Exponential(1000, 1.0);
    for (auto _ : state) {
        vnk::TrendAnalysis a = vnk::IntervalTrendAnalysis(vnk::ConstRealArray(counts),
                                                          vnk::ConstRealArray(lengths), 1000);
        benchmark::DoNotOptimize(a);
    }
}
BENCHMARK(BM_IntervalTrendAnalysis)->Unit(benchmark::kMicrosecond);

}  // namespace
