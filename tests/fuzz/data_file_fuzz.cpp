// Fuzzes the TBF and interval data-file line readers with arbitrary bytes and arbitrary
// column layouts: no input may crash, hang, overrun the capacity or leave a value the
// engine could not take.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "data/data_file.h"

namespace {

void Check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "data file fuzz: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::uint8_t shape = data[0];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    vnk::FailureDataSet tbf;
    vnk::ColumnLayout layout = vnk::kDefaultColumnLayout;
    // Half the inputs permute the layout: codes -1 to 5 in the first columns.
    if (shape & 1) {
        for (int k = 0; k < vnk::kLayoutColumns; ++k)
            layout[static_cast<std::size_t>(k)] = static_cast<int>((shape >> 1) + 3 * k) % 7 - 1;
    }
    std::istringstream tbfIn(text);
    vnk::ReadProblems problems;
    const int n = vnk::ReadTbfLines(tbf, tbfIn, layout, &problems, "fuzz.v3d");
    Check(n >= 0 && n <= vnk::kCapacity, "TBF count outside 0..capacity");
    for (int i = 1; i <= n; ++i) {
        const double t = tbf.tbf(vnk::TbfField::TimeBetweenFailures, i);
        Check(!std::isnan(t), "TBF time read as not a number");
    }
    Check(problems.refusedLines.size() <= vnk::kMaxRefusalMessages, "too many refusal messages");

    vnk::FailureDataSet intervals;
    const int columns[2] = {vnk::interval_column::kFaultCounts, vnk::interval_column::kLengths};
    std::istringstream intervalIn(text);
    vnk::ReadProblems intervalProblems;
    const int m = vnk::ReadIntervalLines(intervals, intervalIn,
                                         std::span<const int>(columns, (shape & 2) ? 1 : 2),
                                         &intervalProblems, "fuzz.v3d");
    Check(m >= 0 && m <= vnk::kCapacity, "interval count outside 0..capacity");
    vnk::CompleteIntervalRead(intervals, m);
    for (int j = 1; j <= m; ++j) {
        const double c = intervals.intervalRow(vnk::interval_row::kFaults)(j);
        const double l = intervals.intervalRow(vnk::interval_row::kLength)(j);
        Check(std::isfinite(c) && c >= 0.0, "interval count not a finite non-negative number");
        Check(std::isfinite(l) && l >= 0.0, "interval length not a finite non-negative number");
    }
    return 0;
}
