// --csv: a tracker export read into the data set, and a refused import.
#include <gtest/gtest.h>

#include <fstream>

#include "tests/cli/run_batch.h"

namespace {

using vnk::test::RunBatchProgram;
using vnk::test::TempDir;

std::string writeFile(const TempDir& dir, const std::string& name, const std::string& text) {
    const auto path = dir.path() / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
}

TEST(BatchCsv, TimestampsBecomeTimesAndBinsBecomeIntervals) {
    TempDir dir;
    // Failures 1 h, 3 h and 3 h (a tie) after the start: times 1, 2 and 0 hours.
    const auto file =
        writeFile(dir, "export.csv",
                  "key;opened;prio\r\nA-1;2024-03-04T01:00:00Z;major\r\n"
                  "A-2;2024-03-04T05:00:00+02:00;critical\r\nA-3;2024-03-04T03:00:00Z;minor\r\n");
    const auto tbf =
        RunBatchProgram({"--csv", file, "--time-column", "opened", "--start",
                         "2024-03-04T00:00:00Z", "--severity-column", "prio", "--severity-map",
                         "critical=1,major=2,minor=3", "--unit", "hours", "--models", "GEO"});
    ASSERT_EQ(tbf.status, 0) << tbf.err;
    EXPECT_NE(tbf.out.find("      Number of Entries                      3\n"), std::string::npos);
    EXPECT_NE(tbf.out.find("      Average of the Data                  1.0\n"), std::string::npos);

    const auto bins =
        RunBatchProgram({"--csv", file, "--time-column", "opened", "--start", "2024-03-01", "--bin",
                         "day", "--kind", "interval", "--models", "all"});
    ASSERT_EQ(bins.status, 0) << bins.err;
    EXPECT_NE(bins.out.find("INTERVAL MODEL RESULTS"), std::string::npos);
}

TEST(BatchCsv, RefusedImportExitsTwoNamingTheBadRows) {
    TempDir dir;
    const auto file = writeFile(dir, "bad.csv", "opened,sev\n2024-01-02,1\nsoon,1\n2024-01-03,9\n");
    const auto run = RunBatchProgram({"--csv", file, "--time-column", "opened", "--start",
                                      "2024-01-01", "--severity-column", "sev"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "varnok3-batch: " + file +
                           ": 2 rows cannot be imported.\n  line 3: unparseable time \"soon\"\n"
                           "  line 4: severity out of range \"9\"\n");

    const auto missing = RunBatchProgram({"--csv", file, "--time-column", "when"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("There is no column \"when\"; the columns are: opened, sev."),
              std::string::npos);
}

TEST(BatchCsv, BinningByATestPeriodColumn) {
    TempDir dir;
    const auto file = writeFile(dir, "cycles.csv", "cycle,opened\n1,x\n3,y\n1,z\n");
    const auto run = RunBatchProgram({"--csv", file, "--bin", "period", "--period-column", "cycle",
                                      "--kind", "interval", "--json", "--models", "NHP"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(
        run.out.find("\"count\": 3,\n  \"statistics\": {\n    \"counts\": {\n      \"sum\": 3.0"),
        std::string::npos)
        << run.out.substr(0, 600);

    const auto alone =
        RunBatchProgram({"--csv", file, "--time-column", "opened", "--period-column", "cycle"});
    EXPECT_EQ(alone.status, 2);
    EXPECT_NE(alone.err.find("--period-column: only with --bin period"), std::string::npos)
        << alone.err;
}

}  // namespace
