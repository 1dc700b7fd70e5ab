#include "data/csv_import.h"

#include <date/date.h>
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <numeric>

namespace vnk {
namespace {

std::vector<double> readSys1() {
    std::ifstream in(VARNOK_TEST_DATA_DIR "/sys1_tbf.txt");
    std::vector<double> times;
    for (double t; in >> t;) times.push_back(t);
    return times;
}

CsvImportSettings timestampSettings() {
    CsvImportSettings s;
    s.timeColumn = "opened";
    s.start = "2020-01-01T00:00:00Z";
    return s;
}

// SYS1 (tests/data/sys1_tbf.txt) written as opening timestamps counted from a start date.
std::string sys1AsTrackerExport() {
    std::string csv = "id;opened;severity\r\n";
    const auto start = date::sys_days{date::year{2020} / 1 / 1};
    double cumulative = 0.0;
    int id = 0;
    for (double t : readSys1()) {
        cumulative += t;
        const auto when = start + std::chrono::seconds{static_cast<long long>(cumulative)};
        csv += std::to_string(++id) + ";" + date::format("%FT%TZ", when) + ";2\r\n";
    }
    return csv;
}

TEST(CsvImport, Sys1TimestampsRoundTripToTheSameTimes) {
    const auto expected = readSys1();
    ASSERT_EQ(expected.size(), 136u);
    auto s = timestampSettings();
    s.severityColumn = "severity";
    const auto r = ImportCsv("\xEF\xBB\xBF" + sys1AsTrackerExport(), s, false);
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.times, expected);
    EXPECT_EQ(r.severities, std::vector<int>(136, 2));
}

TEST(CsvImport, DayBinsSumToTheFailuresAndKeepEmptyDays) {
    auto s = timestampSettings();
    s.binning = ImportBinning::Day;
    const auto r = ImportCsv(sys1AsTrackerExport(), s, false);
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(std::accumulate(r.counts.begin(), r.counts.end(), 0.0), 136.0);
    EXPECT_EQ(r.counts.size(), 2u);  // SYS1 spans 88 682 s, into the second day

    s.binning = ImportBinning::Week;
    s.end = "2020-01-20";
    const auto weeks =
        ImportCsv("opened\n2020-01-01\n2020-01-01T23:00:00+02:00\n2020-01-06\n", s, false);
    ASSERT_EQ(weeks.error, "");
    // 2020-01-01 is a Wednesday: its ISO week ends on the 5th; the 20th opens a fourth week.
    EXPECT_EQ(weeks.counts, (std::vector<double>{2, 1, 0, 0}));
}

TEST(CsvImport, CumulativeAndBetweenTimesWithDecimalCommaAndTies) {
    CsvImportSettings s;
    s.timeColumn = "t";
    s.timeKind = ImportTimeKind::Cumulative;
    s.decimalComma = true;
    s.end = "12";
    const auto r = ImportCsv("t;x\n\"2,5\";a\n1\n2,5\n", s, false);
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.times, (std::vector<double>{1.0, 1.5, 0.0}));
    EXPECT_EQ(r.zeroTimes, 1);
    EXPECT_DOUBLE_EQ(r.failureFreeTime, 9.5);

    s.timeKind = ImportTimeKind::Between;
    s.end.clear();
    EXPECT_EQ(ImportCsv("t\t\n3\n0\n4\n", s, false).times, (std::vector<double>{3, 0, 4}));
}

TEST(CsvImport, SeverityLabelsTypesAndFilters) {
    CsvImportSettings s;
    s.timeColumn = "t";
    s.timeKind = ImportTimeKind::Cumulative;
    s.severityColumn = "sev";
    s.severityMap = {{"critical", 1}, {"major", 2}, {"minor", 3}, {"trivial", 4}};
    s.typeColumn = "kind";
    s.filterColumn = "component";
    s.filterValues = {"ui", "db"};
    const auto r = ImportCsv(
        "t,sev,kind,component\n1,Major,hardware,ui\n2,minor,software,net\n"
        "5,trivial,software,db\n",
        s, false);
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.times, (std::vector<double>{1, 4}));
    EXPECT_EQ(r.severities, (std::vector<int>{2, 4}));
    EXPECT_EQ(r.failureTypes, (std::vector<int>{1, 0}));
}

TEST(CsvImport, BadRowsAreListedAndRefuseTheImportUnlessSkipped) {
    auto s = timestampSettings();
    s.severityColumn = "severity";
    const std::string csv =
        "opened,severity\n2020-01-02,1\nyesterday,1\n2020-01-03,7\n"
        "1969-12-31,1\n2101-01-01,2\n2020-01-04\n";
    const auto refused = ImportCsv(csv, s, false);
    EXPECT_EQ(refused.error, "5 rows cannot be imported.");
    EXPECT_TRUE(refused.times.empty());
    ASSERT_EQ(refused.rejected.size(), 5u);
    EXPECT_EQ(refused.rejected[0].line, 3);
    EXPECT_EQ(refused.rejected[0].reason, "unparseable time \"yesterday\"");
    EXPECT_EQ(refused.rejected[1].reason, "severity out of range \"7\"");
    EXPECT_EQ(refused.rejected[2].reason, "date outside 1970 to 2100 \"1969-12-31\"");
    EXPECT_EQ(refused.rejected[4].reason, "missing field \"severity\"");

    const auto skipped = ImportCsv(csv, s, true);
    EXPECT_EQ(skipped.error, "");
    EXPECT_EQ(skipped.times, (std::vector<double>{86400.0}));
}

// Found by fuzzing: an offset of nineteen digits overflowed inside the date parser.
TEST(CsvImport, TimestampsWithOverlongNumbersAreRefused) {
    double seconds = 0.0;
    EXPECT_FALSE(vnk::ParseIsoTimestamp("2025-03-03T08:24-9223372036854775808", seconds));
    EXPECT_FALSE(vnk::ParseIsoTimestamp("2025-03-03T08:24:17+0000000000001", seconds));
    EXPECT_TRUE(vnk::ParseIsoTimestamp("2025-03-03T08:24:17+01:00", seconds));
    EXPECT_EQ(seconds, 1740986657.0);
    // The offset is read apart from the date; every written form gives the same instant.
    for (const char* same : {"2025-03-03T07:24:17Z", "2025-03-03 08:24:17+0100",
                             "2025-03-03T02:54:17-04:30", "2025-03-03T08:24:17+01"}) {
        EXPECT_TRUE(vnk::ParseIsoTimestamp(same, seconds)) << same;
        EXPECT_EQ(seconds, 1740986657.0) << same;
    }
    EXPECT_FALSE(vnk::ParseIsoTimestamp("2025-03-03T08:24:17+25:00", seconds));
    EXPECT_TRUE(vnk::ParseIsoTimestamp("2025-03-03", seconds));
    EXPECT_EQ(seconds, 1740960000.0);
}

TEST(CsvImport, BadFilesGiveAClearMessage) {
    const auto s = timestampSettings();
    EXPECT_EQ(ImportCsv("", s, false).error, "The file is empty.");
    EXPECT_EQ(ImportCsv("opened\n", s, false).error, "The file has a header and no rows.");
    EXPECT_EQ(ImportCsv("when,sev\n1,2\n", s, false).error,
              "There is no column \"opened\"; the columns are: when, sev.");
    EXPECT_EQ(ImportCsv("opened,opened\n1,2\n", s, false).error,
              "The column name \"opened\" appears twice.");
    EXPECT_EQ(ImportCsv(std::string("\x7f"
                                    "ELF\0\0\1",
                                    7),
                        s, false)
                  .error,
              "The file is not text.");
    std::string many = "t\n";
    for (int i = 0; i < 1001; ++i) many += "1\n";
    CsvImportSettings between;
    between.timeColumn = "t";
    between.timeKind = ImportTimeKind::Between;
    EXPECT_EQ(ImportCsv(many, between, false).error,
              "1001 failures; at most 1000 can be kept. Keep the most recent 1000?");
    many += "7\n";
    between.keepMostRecent = true;
    const auto kept = ImportCsv(many, between, false);
    ASSERT_EQ(kept.times.size(), 1000u);
    EXPECT_EQ(kept.times.back(), 7.0);
}

TEST(CsvImport, TestPeriodsCountRowsNumericOrFirstSeen) {
    CsvImportSettings s;
    s.binning = ImportBinning::Period;
    s.periodColumn = "cycle";
    s.filterColumn = "component";
    s.filterValues = {"ui"};
    // Whole numbers: numeric order, cycle 3 without failures kept at 0; no time column needed.
    const auto numbered = ImportCsv("cycle,component\n4,ui\n2,ui\n4,ui\n2,db\n2,ui\n", s, false);
    ASSERT_EQ(numbered.error, "");
    EXPECT_EQ(numbered.counts, (std::vector<double>{2, 0, 2}));
    // Labels: in the order they first appear.
    const auto labelled = ImportCsv("cycle,component\nbeta,ui\nalpha,ui\nbeta,ui\n,ui\n", s, false);
    EXPECT_EQ(labelled.error, "1 rows cannot be imported.");
    ASSERT_EQ(labelled.rejected.size(), 1u);
    EXPECT_EQ(labelled.rejected[0].line, 5);
    EXPECT_EQ(labelled.rejected[0].reason, "missing field \"cycle\"");
    EXPECT_EQ(ImportCsv("cycle,component\nbeta,ui\nalpha,ui\nbeta,ui\n,ui\n", s, true).counts,
              (std::vector<double>{2, 1}));
    // A span of whole numbers wider than 1000 periods is refused unless the last 1000 are kept.
    const std::string wide = "cycle,component\n1,ui\n1500,ui\n1500,ui\n";
    const auto refused = ImportCsv(wide, s, false);
    EXPECT_TRUE(refused.tooMany);
    EXPECT_EQ(refused.error,
              "1500 intervals; at most 1000 can be kept. Keep the most recent 1000?");
    s.keepMostRecent = true;
    const auto kept = ImportCsv(wide, s, false);
    ASSERT_EQ(kept.counts.size(), 1000u);
    EXPECT_EQ(kept.counts.back(), 2.0);
    EXPECT_EQ(std::accumulate(kept.counts.begin(), kept.counts.end(), 0.0), 2.0);
}

// Generated here rather than stored: 100 000 timestamped rows padded past 10 MB.
TEST(CsvImport, TenMegabytesOfOneHundredThousandRows) {
    std::string csv = "id,opened,summary\n";
    const std::string summary(96, 'x');
    for (int i = 0; i < 100000; ++i)
        csv += std::to_string(i) + ",2021-03-" + (i % 28 < 9 ? "0" : "") +
               std::to_string(1 + i % 28) + "T10:00:00Z,\"" + summary + ", row " +
               std::to_string(i) + "\"\n";
    ASSERT_GT(csv.size(), 10u * 1000 * 1000);
    CsvImportSettings s;
    s.timeColumn = "opened";
    s.start = "2021-03-01";
    s.binning = ImportBinning::Day;
    const auto days = ImportCsv(csv, s, false);
    ASSERT_EQ(days.error, "");
    EXPECT_EQ(days.counts.size(), 28u);
    EXPECT_EQ(std::accumulate(days.counts.begin(), days.counts.end(), 0.0), 100000.0);

    s.binning = ImportBinning::None;
    const auto refused = ImportCsv(csv, s, false);
    EXPECT_TRUE(refused.tooMany);
    EXPECT_EQ(refused.error,
              "100000 failures; at most 1000 can be kept. Keep the most recent 1000?");
    s.keepMostRecent = true;
    const auto kept = ImportCsv(csv, s, false);
    ASSERT_EQ(kept.times.size(), 1000u);
    // The most recent 1000 all fall on 28 March, ties of the one before them.
    EXPECT_EQ(std::accumulate(kept.times.begin(), kept.times.end(), 0.0), 0.0);
    EXPECT_EQ(kept.zeroTimes, 1000);
}

}  // namespace
}  // namespace vnk
