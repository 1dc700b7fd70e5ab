// Whole executions as the processing status screen runs them: every TBF model with all four
// measures over the default range, on SYS1 (136 failures) and on a generated 1000-failure set;
// every interval slot with the accuracy analysis on a generated 1000-interval set.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "execution/interval_execution.h"
#include "execution/tbf_execution.h"

namespace {

using namespace vnk;
using namespace vnk::execution;

std::vector<double> Sys1() {
    std::ifstream in(std::filesystem::path(VARNOK_TEST_DATA_DIR) / "sys1_tbf.txt");
    std::vector<double> v;
    double x = 0.0;
    while (in >> x) v.push_back(x);
    return v;
}

// Times between failures of a Jelinski-Moranda process: 1200 faults, each found at rate 1e-3,
// the first 1000 failures observed (fixed seed).
std::vector<double> Generated1000() {
    std::mt19937_64 random(20240601);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    std::vector<double> times;
    for (int i = 0; i < 1000; ++i) {
        const double rate = 1e-3 * (1200 - i);
        times.push_back(-std::log(1.0 - uniform(random)) / rate);
    }
    return times;
}

// Fault counts of 1000 unit-length intervals from a decaying Poisson-like intensity (fixed
// seed), with the derived previous faults.
IntervalWorkingData GeneratedIntervals1000() {
    std::mt19937_64 random(20240602);
    IntervalWorkingData d;
    double previous = 0.0;
    for (int i = 0; i < 1000; ++i) {
        std::poisson_distribution<int> count(30.0 * std::exp(-0.003 * i));
        const double c = count(random);
        d.counts.push_back(c);
        d.lengths.push_back(i % 3 == 0 ? 1.5 : 1.0);
        d.fractions.push_back(1.0);
        d.previousFaults.push_back(previous);
        previous += c;
    }
    d.LCOR = d.counts.back();
    return d;
}

TbfSelection AllTbf(int NS) {
    TbfSelection s;
    s.selectAllModels = true;
    s.applicability = true;
    s.selectAllMeasures = true;
    s.NSB = NS / 2;
    s.NSE = NS - 1;
    return s;
}

void RunTbf(benchmark::State& state, const std::vector<double>& data) {
    const TbfWorkingData working{data, 0.0};
    const TbfSelection selection = AllTbf(static_cast<int>(data.size()));
    ExecutionHost host;
    for (auto _ : state) {
        ProgramOptions options;
        auto r = RunTbfExecution(working, selection, options, host);
        benchmark::DoNotOptimize(r.ranks);
    }
}

void BM_TbfExecution_Sys1_AllModelsAllMeasures(benchmark::State& state) { RunTbf(state, Sys1()); }
BENCHMARK(BM_TbfExecution_Sys1_AllModelsAllMeasures)->Unit(benchmark::kMillisecond);

void BM_TbfExecution_Generated1000_AllModelsAllMeasures(benchmark::State& state) {
    RunTbf(state, Generated1000());
}
BENCHMARK(BM_TbfExecution_Generated1000_AllModelsAllMeasures)->Unit(benchmark::kMillisecond);

void BM_IntervalExecution_Generated1000_AllSlotsAccuracy(benchmark::State& state) {
    const IntervalWorkingData data = GeneratedIntervals1000();
    IntervalSelection selection;
    selection.selectAll = true;
    selection.accuracy = true;
    selection.NSB = 500;
    selection.NSE = 999;
    ExecutionHost host;
    for (auto _ : state) {
        ProgramOptions options;
        auto r = RunIntervalExecution(data, selection, options, host);
        benchmark::DoNotOptimize(r.ranks);
    }
}
BENCHMARK(BM_IntervalExecution_Generated1000_AllSlotsAccuracy)->Unit(benchmark::kMillisecond);

}  // namespace
