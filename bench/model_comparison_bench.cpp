// The model comparison against the execution it follows: every TBF model with all four
// measures on SYS1, then the comparison (likelihoods and the PSSE refits) of that run.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "data/program_options.h"
#include "execution/model_comparison.h"
#include "execution/tbf_execution.h"

namespace {

using namespace vnk;
using namespace vnk::execution;

TbfExecutionResults Sys1AllModels() {
    std::ifstream in(std::filesystem::path(VARNOK_TEST_DATA_DIR) / "sys1_tbf.txt");
    std::vector<double> v;
    double x = 0.0;
    while (in >> x) v.push_back(x);
    TbfSelection s;
    s.selectAllModels = true;
    s.applicability = true;
    s.selectAllMeasures = true;
    s.NSB = static_cast<int>(v.size()) / 2;
    s.NSE = static_cast<int>(v.size()) - 1;
    ProgramOptions options;
    ExecutionHost host;
    return RunTbfExecution({v, 0.0}, s, options, host);
}

void BM_CompareTbfModels_Sys1(benchmark::State& state) {
    const TbfExecutionResults r = Sys1AllModels();
    for (auto _ : state) {
        auto c = CompareTbfModels(r, kDefaultHoldOutFraction);
        benchmark::DoNotOptimize(c.entries);
    }
}
BENCHMARK(BM_CompareTbfModels_Sys1)->Unit(benchmark::kMillisecond);

}  // namespace
