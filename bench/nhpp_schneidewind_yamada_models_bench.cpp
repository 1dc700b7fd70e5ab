// Estimation, the optimum S search and the accuracy analyses of the non-homogeneous Poisson,
// Schneidewind and Yamada models on a generated 1000-interval data set with reliability
// growth and unequal lengths.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/generated_intervals.h"
#include "numerics/nhpp_interval.h"
#include "numerics/schneidewind.h"
#include "numerics/yamada.h"

namespace {

using Data = vnk::bench::GeneratedIntervals;
using vnk::bench::Generated;

void SnpimdBench(benchmark::State& state) {
    const Data& d = Generated();
    const int ESF = static_cast<int>(state.range(0));
    int RFLAG = 0;
    for (auto _ : state) {
        vnk::IntervalStats STATS;
        vnk::SNPIMD(ESF, d.NS, d.C, d.T, STATS, RFLAG);
        benchmark::DoNotOptimize(STATS);
    }
    state.counters["RFLAG"] = RFLAG;
}
BENCHMARK(SnpimdBench)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// Treatments 1, 2 and 3 (S = 200 and 201 for the latter two).
void SsdwmdBench(benchmark::State& state) {
    const Data& d = Generated();
    const int TSF = static_cast<int>(state.range(0));
    const int TSS = TSF == 1 ? 1 : TSF == 2 ? 200 : 201;
    int RFLAG = 0;
    for (auto _ : state) {
        vnk::IntervalStats STATS;
        vnk::SSDWMD(d.NS, d.C, TSF, TSS, STATS, RFLAG);
        benchmark::DoNotOptimize(STATS);
    }
    state.counters["RFLAG"] = RFLAG;
}
BENCHMARK(SsdwmdBench)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

void SsdwosBench(benchmark::State& state) {
    const Data& d = Generated();
    std::vector<double> S(1000), T(1000), F(1000), R(1000), A(1000), B(1000);
    int bestF = 0, bestT = 0, bestR = 0;
    for (auto _ : state) {
        vnk::SSDWOS(d.NS, d.C, bestF, bestT, bestR, S, T, F, R, A, B);
        benchmark::DoNotOptimize(bestF);
    }
    state.counters["bestF"] = bestF;
}
BENCHMARK(SsdwosBench)->Unit(benchmark::kMillisecond);

void SeshmdBench(benchmark::State& state) {
    const Data& d = Generated();
    int RFLAG = 0;
    for (auto _ : state) {
        vnk::IntervalStats STATS;
        vnk::SESHMD(d.NS, d.C, d.T, STATS, RFLAG);
        benchmark::DoNotOptimize(STATS);
    }
    state.counters["RFLAG"] = RFLAG;
}
BENCHMARK(SeshmdBench)->Unit(benchmark::kMicrosecond);

// Accuracy analyses over NS/2 .. NS-1 as the execution runs them: NHP (0), S-T1 (1), YAM (2).
void AccuracyBench(benchmark::State& state) {
    const Data& d = Generated();
    const int which = static_cast<int>(state.range(0));
    const int NSB = d.NS / 2, NSE = d.NS - 1, NSR = NSE - NSB + 1;
    std::vector<double> V(1000);
    double STAT = 0;
    int RFLAG = 0, INDX = 0;
    for (auto _ : state) {
        if (which == 0) vnk::SNPIMA(d.C, d.T, d.NS, NSB, NSE, NSR, STAT, RFLAG, INDX, V);
        if (which == 1) vnk::SSDWMA(d.C, d.NS, NSB, NSE, NSR, STAT, RFLAG, INDX, V);
        if (which == 2) vnk::SESHMA(d.C, d.T, d.NS, NSB, NSE, NSR, STAT, RFLAG, INDX, V);
        benchmark::DoNotOptimize(STAT);
    }
    state.counters["RFLAG"] = RFLAG;
    state.counters["INDX"] = INDX;
}
BENCHMARK(AccuracyBench)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
