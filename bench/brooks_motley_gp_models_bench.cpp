// Estimation and accuracy analysis of the Brooks and Motley and generalized Poisson models on a
// generated 1000-interval data set with reliability growth and unequal lengths.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/generated_intervals.h"
#include "numerics/brooks_motley.h"
#include "numerics/generalized_poisson.h"

namespace {

using Data = vnk::bench::GeneratedIntervals;
using vnk::bench::Generated;

void SbammdBench(benchmark::State& state) {
    const Data& d = Generated();
    const int variant = static_cast<int>(state.range(0));
    int RFLAG = 0;
    for (auto _ : state) {
        double PEC = 0, PED = 0, TNOF = 0;
        vnk::SBAMIN(d.NS, d.C, d.L, d.F, d.M, PEC, PED, TNOF);
        vnk::IntervalStats STATS;
        vnk::SBAMMD(variant, d.NS, d.C, d.L, d.F, d.M, PEC, PED, TNOF - 1.0, 1000, STATS, RFLAG);
        benchmark::DoNotOptimize(STATS);
    }
    state.counters["RFLAG"] = RFLAG;
}
BENCHMARK(SbammdBench)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void SgpomdBench(benchmark::State& state) {
    const Data& d = Generated();
    const int weighting = static_cast<int>(state.range(0));
    int RFLAG = 0;
    for (auto _ : state) {
        double ALPHA = 0, AN = 0;
        int EQLEN = 0;
        vnk::SGPOIN(d.NS, d.C, d.L, d.M, ALPHA, AN, EQLEN);
        vnk::IntervalStats STATS;
        vnk::SGPOMD(1, weighting, ALPHA, AN, 1000, d.C, d.L, d.M, d.NS, STATS, RFLAG);
        benchmark::DoNotOptimize(STATS);
    }
    state.counters["RFLAG"] = RFLAG;
}
BENCHMARK(SgpomdBench)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

// Accuracy analyses over NS/2 .. NS-1 as the execution runs them: BM-B, BM-P (arg 1, 2) and
// GP-2 (arg 0).
void AccuracyBench(benchmark::State& state) {
    const Data& d = Generated();
    const int which = static_cast<int>(state.range(0));
    const int NSB = d.NS / 2, NSE = d.NS - 1, NSR = NSE - NSB + 1;
    std::vector<double> V(NSR), S(d.NS);
    double STAT = 0;
    int RFLAG = 0, INDX = 0;
    for (auto _ : state) {
        if (which == 0) {
            vnk::SGPOMA(d.C, d.L, d.M, d.NS, NSB, NSE, NSR, 0.0, STAT, RFLAG, INDX, V, S);
        } else {
            vnk::SBAMMA(d.C, d.L, d.F, d.M, d.NS, NSB, NSE, NSR, which, 1000, STAT, RFLAG, INDX, V);
        }
        benchmark::DoNotOptimize(STAT);
    }
    state.counters["RFLAG"] = RFLAG;
    state.counters["INDX"] = INDX;
}
BENCHMARK(AccuracyBench)->Arg(1)->Arg(2)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
