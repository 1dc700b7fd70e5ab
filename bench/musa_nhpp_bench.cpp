// Estimation of Musa's basic and logarithmic models and the TBF non-homogeneous Poisson model
// on SYS1 (136 failures), and one model's whole applicability analysis (all four measures,
// each prefix fitted once).
#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <vector>

#include "numerics/musa_basic.h"
#include "numerics/musa_logarithmic.h"
#include "numerics/nhpp_tbf.h"
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

// The model's own input: cumulative failure times.
const std::vector<double>& Sys1Cumulative() {
    static const std::vector<double> data = [] {
        std::vector<double> t = Sys1();
        double sum = 0.0;
        for (double& x : t) x = sum += x;
        return t;
    }();
    return data;
}

void BM_SMUSMD_Sys1(benchmark::State& state) {
    const auto& dat = Sys1();
    vnk::TbfStats stats;
    int RFLAG = 0;
    for (auto _ : state) {
        vnk::SMUSMD(static_cast<int>(dat.size()), dat, 0.0, stats, RFLAG);
        benchmark::DoNotOptimize(stats);
    }
}
BENCHMARK(BM_SMUSMD_Sys1);

void BM_SMSAMD_Sys1(benchmark::State& state) {
    const auto& dat = Sys1();
    vnk::TbfStats stats;
    int RFLAG = 0;
    for (auto _ : state) {
        vnk::SMSAMD(static_cast<int>(dat.size()), dat, 0.0, stats, RFLAG);
        benchmark::DoNotOptimize(stats);
    }
}
BENCHMARK(BM_SMSAMD_Sys1);

void BM_SNPTMD_Sys1(benchmark::State& state) {
    const auto& dat = Sys1Cumulative();
    vnk::TbfStats stats;
    int RFLAG = 0;
    for (auto _ : state) {
        vnk::SNPTMD(static_cast<int>(dat.size()), dat, stats, RFLAG);
        benchmark::DoNotOptimize(stats);
    }
}
BENCHMARK(BM_SNPTMD_Sys1);

void RunAllMeasures(const vnk::TbfApplicabilityModel& model, const std::vector<double>& dat,
                    benchmark::State& state) {
    const int NS = static_cast<int>(dat.size());
    const int NSB = NS / 2, NSE = NS - 1, NSR = NSE - NSB + 1;
    std::array<std::vector<double>, 8> arrays;
    for (auto& a : arrays) a.assign(static_cast<std::size_t>(NSR), 0.0);
    for (auto _ : state) {
        std::array<vnk::TbfMeasureResult, vnk::measure::kCount> measures{};
        for (int m = 0; m < vnk::measure::kCount; ++m) {
            measures[m].selected = true;
            measures[m].V = arrays[2 * m];
            measures[m].VPRE = arrays[2 * m + 1];
        }
        vnk::RunTbfApplicabilityMeasures(model, dat, NS, NSB, NSE, NSR, measures);
        benchmark::DoNotOptimize(measures);
    }
}

void BM_MusaBasicApplicability_Sys1(benchmark::State& state) {
    RunAllMeasures(vnk::MusaBasicApplicabilityModel(), Sys1(), state);
}
BENCHMARK(BM_MusaBasicApplicability_Sys1)->Unit(benchmark::kMicrosecond);

void BM_MusaLogarithmicApplicability_Sys1(benchmark::State& state) {
    RunAllMeasures(vnk::MusaLogarithmicApplicabilityModel(), Sys1(), state);
}
BENCHMARK(BM_MusaLogarithmicApplicability_Sys1)->Unit(benchmark::kMicrosecond);

void BM_NhppTbfApplicability_Sys1(benchmark::State& state) {
    RunAllMeasures(vnk::NhppTbfApplicabilityModel(), Sys1Cumulative(), state);
}
BENCHMARK(BM_NhppTbfApplicability_Sys1)->Unit(benchmark::kMicrosecond);

}  // namespace
