// Estimation of the Geometric and Jelinski/Moranda models on SYS1 (136 failures), and one
// model's whole applicability analysis (all four measures, each prefix fitted once).
#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <vector>

#include "numerics/geometric.h"
#include "numerics/jelinski_moranda.h"
#include "numerics/tbf_applicability.h"

namespace {

const std::vector<double>& Sys1() {
    static const std::vector<double> data = [] {
        std::ifstream in(std::filesystem::path(VARNOK_TEST_DATA_DIR) / "sys1_tbf.txt");
        std::vector<double> v;
        double x = 0.0;
        while (in >> x) v.push_back(x);
        return v;
    }();
    return data;
}

void BM_SGEOMD_Sys1(benchmark::State& state) {
    const auto& dat = Sys1();
    vnk::TbfStats stats;
    int RFLAG = 0;
    for (auto _ : state) {
        vnk::SGEOMD(vnk::method::kMaximumLikelihood, static_cast<int>(dat.size()), dat, stats,
                    RFLAG);
        benchmark::DoNotOptimize(stats);
    }
}
BENCHMARK(BM_SGEOMD_Sys1);

void BM_SJAMMD_Sys1(benchmark::State& state) {
    const auto& dat = Sys1();
    vnk::TbfStats stats;
    int RFLAG = 0;
    for (auto _ : state) {
        vnk::SJAMMD(vnk::method::kMaximumLikelihood, static_cast<int>(dat.size()), dat, stats,
                    RFLAG);
        benchmark::DoNotOptimize(stats);
    }
}
BENCHMARK(BM_SJAMMD_Sys1);

// The range an execution offers by default: NS/2 .. NS-1.
void BM_SGEOMA_AllMeasures_Sys1(benchmark::State& state) {
    const auto& dat = Sys1();
    const int NS = static_cast<int>(dat.size());
    const int NSB = NS / 2, NSE = NS - 1, NSR = NSE - NSB + 1;
    std::vector<std::vector<double>> arrays(8, std::vector<double>(static_cast<std::size_t>(NSR)));
    const vnk::TbfApplicabilityModel model = vnk::GeometricApplicabilityModel();
    for (auto _ : state) {
        std::array<vnk::TbfMeasureResult, vnk::measure::kCount> measures;
        for (int m = 0; m < vnk::measure::kCount; ++m) {
            measures[m].selected = true;
            measures[m].V = vnk::RealArray(arrays[2 * m]);
            measures[m].VPRE = vnk::RealArray(arrays[2 * m + 1]);
        }
        vnk::RunTbfApplicabilityMeasures(model, dat, NS, NSB, NSE, NSR, measures);
        benchmark::DoNotOptimize(measures);
    }
}
BENCHMARK(BM_SGEOMA_AllMeasures_Sys1)->Unit(benchmark::kMicrosecond);

// The same four measures as four separate calls, for comparison.
void BM_SGEOMA_FourCalls_Sys1(benchmark::State& state) {
    const auto& dat = Sys1();
    const int NS = static_cast<int>(dat.size());
    const int NSB = NS / 2, NSE = NS - 1, NSR = NSE - NSB + 1;
    std::vector<double> V(static_cast<std::size_t>(NSR)), VPRE(V.size());
    for (auto _ : state) {
        for (int TYP = 1; TYP <= 4; ++TYP) {
            double STAT = 0.0;
            int RFLAG = 0, INDX = 0;
            vnk::SGEOMA(dat, NS, NSB, NSE, NSR, TYP, STAT, RFLAG, INDX, V, VPRE);
            benchmark::DoNotOptimize(STAT);
        }
    }
}
BENCHMARK(BM_SGEOMA_FourCalls_Sys1)->Unit(benchmark::kMicrosecond);

}  // namespace
