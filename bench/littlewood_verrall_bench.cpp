// Littlewood and Verrall estimation on SYS1 (136 failures): maximum likelihood from the
// initial estimates, both variants, and the applicability analysis over NS/2 .. NS-1.
#include <benchmark/benchmark.h>

#include <array>
#include <fstream>
#include <string>
#include <vector>

#include "numerics/littlewood_verrall.h"
#include "numerics/tbf_applicability.h"

namespace {

std::vector<double> Sys1() {
    std::ifstream in(std::string(VARNOK_TEST_DATA_DIR) + "/sys1_tbf.txt");
    std::vector<double> out;
    double v = 0.0;
    while (in >> v) out.push_back(v);
    return out;
}

void MaximumLikelihood(benchmark::State& state) {
    const int PHIIND = static_cast<int>(state.range(0));
    const std::vector<double> d = Sys1();
    const int n = static_cast<int>(d.size());
    const vnk::LavStartingValues start = vnk::LavInitialEstimates(n, d, PHIIND);
    const std::array<double, 2> beta{start.beta0, start.beta1};
    vnk::TbfStats stats;
    int RFLAG = 0;
    double Z = 0.0;
    for (auto _ : state) {
        vnk::SLAVMD(1, n, d, PHIIND, beta, vnk::kMaxIterations, stats, RFLAG, Z);
        benchmark::DoNotOptimize(stats);
    }
    if (RFLAG != 0) state.SkipWithError("fit did not converge");
}
BENCHMARK(MaximumLikelihood)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void InitialEstimatesAndFit(benchmark::State& state) {
    const int PHIIND = static_cast<int>(state.range(0));
    const std::vector<double> d = Sys1();
    const int n = static_cast<int>(d.size());
    vnk::TbfStats stats;
    int RFLAG = 0;
    double Z = 0.0;
    for (auto _ : state) {
        const vnk::LavStartingValues start = vnk::LavInitialEstimates(n, d, PHIIND);
        const std::array<double, 2> beta{start.beta0, start.beta1};
        vnk::SLAVMD(1, n, d, PHIIND, beta, vnk::kMaxIterations, stats, RFLAG, Z);
        benchmark::DoNotOptimize(stats);
    }
}
BENCHMARK(InitialEstimatesAndFit)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void LeastSquares(benchmark::State& state) {
    const std::vector<double> d = Sys1();
    const int n = static_cast<int>(d.size());
    const std::array<double, 2> beta{0.0, 0.0};
    vnk::TbfStats stats;
    int RFLAG = 0;
    double Z = 0.0;
    for (auto _ : state) {
        vnk::SLAVMD(2, n, d, static_cast<int>(state.range(0)), beta, vnk::kMaxIterations, stats,
                    RFLAG, Z);
        benchmark::DoNotOptimize(stats);
    }
}
BENCHMARK(LeastSquares)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// All four measures with one refit per prefix, as an execution runs them.
void ApplicabilityAllMeasures(benchmark::State& state) {
    const int PHIIND = static_cast<int>(state.range(0));
    const std::vector<double> d = Sys1();
    const int n = static_cast<int>(d.size());
    const int NSB = n / 2, NSE = n - 1, NSR = NSE - NSB + 1;
    std::vector<std::vector<double>> arrays(8, std::vector<double>(NSR));
    for (auto _ : state) {
        std::array<vnk::TbfMeasureResult, vnk::measure::kCount> measures{};
        for (int m = 0; m < vnk::measure::kCount; ++m) {
            measures[m].selected = true;
            measures[m].V = arrays[2 * m];
            measures[m].VPRE = arrays[2 * m + 1];
        }
        vnk::RunTbfApplicabilityMeasures(
            vnk::LittlewoodVerrallApplicabilityModel(vnk::kMaxIterations, PHIIND), d, n, NSB, NSE,
            NSR, measures);
        benchmark::DoNotOptimize(measures);
    }
}
BENCHMARK(ApplicabilityAllMeasures)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
