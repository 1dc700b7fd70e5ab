// Importing a large tracker export: 100 000 timestamped rows binned by day.
#include <benchmark/benchmark.h>

#include <string>

#include "data/csv_import.h"

namespace {

std::string trackerExport(int rows) {
    std::string csv = "id,opened,severity,component\n";
    for (int i = 0; i < rows; ++i) {
        const int day = 1 + (i * 28) / rows;  // spread over February 2021
        csv += std::to_string(i) + ",2021-02-" + (day < 10 ? "0" : "") + std::to_string(day) +
               "T12:" + std::to_string(10 + i % 50) + ":00+01:00,major,ui\n";
    }
    return csv;
}

void BM_Import100000RowsByDay(benchmark::State& state) {
    const std::string csv = trackerExport(100000);
    vnk::CsvImportSettings s;
    s.timeColumn = "opened";
    s.start = "2021-02-01";
    s.severityColumn = "severity";
    s.severityMap = {{"critical", 1}, {"major", 2}, {"minor", 3}, {"trivial", 4}};
    s.binning = vnk::ImportBinning::Day;
    for (auto _ : state) benchmark::DoNotOptimize(vnk::ImportCsv(csv, s, false));
}
BENCHMARK(BM_Import100000RowsByDay)->Unit(benchmark::kMillisecond);

}  // namespace
