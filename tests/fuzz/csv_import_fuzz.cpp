// Fuzzes the delimited-text import: arbitrary text under settings chosen by the first bytes.
// The import either refuses with a reason or gives finite, non-negative times and counts.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "data/csv_import.h"

namespace {

void Check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "import fuzz: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::uint8_t a = data[0], b = data[1];
    const std::string text(reinterpret_cast<const char*>(data + 2), size - 2);

    vnk::CsvImportSettings s;
    static constexpr char kDelimiters[] = {'\0', ',', ';', '\t'};
    s.delimiter = kDelimiters[a & 3];
    s.decimalComma = (a & 4) != 0;
    s.timeKind = static_cast<vnk::ImportTimeKind>((a >> 3) % 3);
    s.binning = static_cast<vnk::ImportBinning>((a >> 5) % 5);
    s.keepMostRecent = (b & 1) != 0;
    s.timeColumn = (b & 2) ? "time" : "opened";
    if (s.binning == vnk::ImportBinning::Period) s.periodColumn = s.timeColumn;
    if (b & 4) s.severityColumn = "severity";
    if (b & 8) s.severityMap = {{"critical", 1}, {"major", 2}, {"minor", 3}};
    if (b & 16) s.typeColumn = "type";
    if (b & 32) {
        s.filterColumn = "status";
        s.filterValues = {"open", "closed"};
    }
    if (b & 64) s.start = "2024-01-01";
    if (b & 128) s.end = "2024-12-31T23:59:59Z";
    s.secondsPerUnit = (a & 128) ? 3600.0 : 1.0;

    const vnk::CsvImportResult r = vnk::ImportCsv(text, s, (b & 1) == 0);
    if (!r.error.empty()) return 0;
    Check(r.times.size() <= 1000 && r.counts.size() <= 1000,
          "more than 1000 failures or intervals");
    Check(r.severities.size() == r.times.size() && r.failureTypes.size() == r.times.size(),
          "fields of different lengths");
    for (double t : r.times) Check(std::isfinite(t) && t >= 0.0, "a time not finite or negative");
    for (double c : r.counts) Check(std::isfinite(c) && c >= 0.0, "a count not finite or negative");
    Check(std::isfinite(r.failureFreeTime) && r.failureFreeTime >= 0.0,
          "failure-free time not finite or negative");
    double seconds = 0.0;
    if (vnk::ParseIsoTimestamp(text.substr(0, 40), seconds))
        Check(std::isfinite(seconds), "timestamp not finite");
    return 0;
}
