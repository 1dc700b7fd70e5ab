#include "data/data_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <random>
#include <string>

#include "data/program_options.h"
#include "dataset/file_helpers.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using vnk::ColumnLayout;
using vnk::ErrorHistory;
using vnk::FailureDataSet;
using vnk::FileStatus;
using vnk::SaveStatus;
using vnk::TbfField;
using vnk::test::readText;
using vnk::test::writeText;

constexpr ColumnLayout kTimeAndType = {1, 2, 0, 0, 0, 0, 0, 0, 0};

// A set as Data / New leaves it, ready for a TBF read.
FailureDataSet newTbfSet() {
    FailureDataSet set;
    vnk::ProgramOptions options;
    set.clearDescriptors(options);
    set.clearTbfEntries();
    set.dataKind = vnk::DataKind::Tbf;
    return set;
}

class DataFileTest : public ::testing::Test {
  protected:
    vnk::test::TempDir dir;
    fs::path file(const std::string& name) const { return dir.path() / name; }

    // Reads `text` as a new TBF file with the given layout.
    vnk::TbfReadResult read(FailureDataSet& set, const std::string& text,
                            const ColumnLayout& layout = kTimeAndType) {
        writeText(file("in.txt"), text);
        return vnk::ReadTbfFile(set, file("in.txt"), layout);
    }
};

TEST_F(DataFileTest, SoftwareSetRoundTripsWithEveryTimeExact) {
    FailureDataSet set = newTbfSet();
    set.errorHistory = ErrorHistory::Software;
    set.severityType = vnk::SeverityType::SameLevel;
    const double times[] = {1.234567, 0.0, 1234567.000004, 12.5};
    for (double t : times) {
        const int i = ++set.tbfCount;
        set.tbf(TbfField::TimeBetweenFailures, i) = t;
        set.tbf(TbfField::FailureType, i) = 0.0;
    }
    ASSERT_EQ(vnk::SaveDataFile(set, file("set.v3d")), SaveStatus::Saved);
    EXPECT_EQ(set.currentFileName, file("set.v3d").string());
    EXPECT_FALSE(set.dataChanged);
    EXPECT_EQ(readText(file("set.v3d")),
              "    1.234567  0 \n     0.00000  0 \n1234567.000004  0 \n    12.50000  0 \n");

    FailureDataSet back = newTbfSet();
    const vnk::TbfReadResult result = vnk::ReadTbfFile(back, file("set.v3d"), kTimeAndType);
    EXPECT_EQ(result.status, FileStatus::Ok);
    EXPECT_EQ(result.linesRead, 4);
    EXPECT_FALSE(result.askErrorHistory);
    EXPECT_TRUE(result.askFailureAtEnd);
    vnk::ApplyFailureAtEnd(back, true);
    ASSERT_EQ(back.tbfCount, 4);
    EXPECT_EQ(back.errorHistory, ErrorHistory::Software);
    EXPECT_EQ(back.severityType, vnk::SeverityType::SameLevel);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_NEAR(back.tbf(TbfField::TimeBetweenFailures, i), times[i - 1], 0.0) << i;
        EXPECT_EQ(back.entry(i).failureType, 0.0);
        EXPECT_EQ(back.entry(i).hardwareFailures, -1.0);
    }
}

TEST_F(DataFileTest, VariableSeverityHardwareSetWritesFiveColumns) {
    FailureDataSet set = newTbfSet();
    set.tbfCount = 2;
    set.setEntry(1, {10.0, 1.0, 2.0, 3.0, 0.5});
    set.setEntry(2, {4.25, 0.0, 4.0, -1.0, -1.0});
    set.deriveDescriptors();
    ASSERT_EQ(set.errorHistory, ErrorHistory::System);
    ASSERT_TRUE(set.hardwareFieldsPresent);
    set.dataKind = vnk::DataKind::Tbf;
    ASSERT_EQ(vnk::SaveDataFile(set, file("hw.v3d")), SaveStatus::Saved);
    EXPECT_EQ(readText(file("hw.v3d")), "    10.00000  1   2   3 0.500\n     4.25000  0   4 \n");

    FailureDataSet back = newTbfSet();
    vnk::ReadTbfFile(back, file("hw.v3d"), vnk::kDefaultColumnLayout);
    ASSERT_EQ(back.tbfCount, 2);
    EXPECT_EQ(back.entry(1), set.entry(1));
    EXPECT_EQ(back.entry(2), set.entry(2));
}

TEST_F(DataFileTest, LinesThatAreNotDataAreNamedAndSkipped) {
    FailureDataSet set = newTbfSet();
    const vnk::TbfReadResult result = read(set,
                                           "\xEF\xBB\xBF"
                                           "5\t1\n"     // a byte order mark; tabs split
                                           "12abc 1\n"  // trailing text: not a number
                                           "9,5 0\n"    // a decimal comma
                                           "\n   \r\n"  // blank lines hold no entry
                                           "nan inf\n"  // not finite
                                           "7 5\n"      // failure type outside 0 to 2
                                           "  7    0   \r\n");
    ASSERT_EQ(set.tbfCount, 2);
    EXPECT_EQ(set.entry(1).timeBetweenFailures, 5.0);
    EXPECT_EQ(set.entry(1).failureType, 1.0);
    EXPECT_EQ(set.entry(2).timeBetweenFailures, 7.0);
    EXPECT_EQ(set.entry(2).failureType, 0.0);
    const std::string in = file("in.txt").string();
    ASSERT_EQ(result.problems.refusedLineCount, 4);
    EXPECT_EQ(result.problems.refusedLines[0],
              in + ": line 2, column 1: \"12abc\" is not a number");
    EXPECT_EQ(result.problems.refusedLines[1], in + ": line 3, column 1: \"9,5\" is not a number");
    EXPECT_EQ(result.problems.refusedLines[2], in + ": line 6, column 1: \"nan\" is not a number");
    EXPECT_EQ(result.problems.refusedLines[3],
              in + ": line 7, column 3: failure type 5 is outside 0 to 2");

    // Severity and effectiveness factor have their ranges too.
    FailureDataSet hw = newTbfSet();
    const vnk::TbfReadResult ranges =
        read(hw, "1 0 5 1 0.5\n1 0 1 1 1.5\n1 0 1 1 1\n", vnk::kDefaultColumnLayout);
    EXPECT_EQ(hw.tbfCount, 1);
    ASSERT_EQ(ranges.problems.refusedLineCount, 2);
    EXPECT_NE(ranges.problems.refusedLines[0].find(
                  "line 1, column 5: severity level 5 is outside 1 to 4"),
              std::string::npos);
    EXPECT_NE(ranges.problems.refusedLines[1].find("effectiveness factor 1.5 is outside 0 to 1"),
              std::string::npos);
}

TEST_F(DataFileTest, IntervalLinesThatAreNotDataAreNamedAndMoreThanTheCapacityIsSaid) {
    FailureDataSet set;
    writeText(file("iv.txt"),
              "\xEF\xBB\xBF"
              "count length\n3 2\n15;2.45\n\n4 1\n-1 1\n\n");
    const vnk::IntervalReadResult result = vnk::ReadIntervalFile(set, file("iv.txt"));
    ASSERT_EQ(set.intervalCount, 2);
    EXPECT_EQ(set.interval(vnk::interval_row::kFaults, 1), 3.0);
    EXPECT_EQ(set.interval(vnk::interval_row::kLength, 1), 2.0);
    EXPECT_EQ(set.interval(vnk::interval_row::kFaults, 2), 4.0);
    ASSERT_EQ(result.problems.refusedLineCount, 3);
    const std::string in = file("iv.txt").string();
    EXPECT_EQ(result.problems.refusedLines[0],
              in + ": line 1, column 1: \"count\" is not a number");
    EXPECT_EQ(result.problems.refusedLines[1],
              in + ": line 3, column 1: \"15;2.45\" is not a number");
    EXPECT_EQ(result.problems.refusedLines[2],
              in + ": line 6, column 1: a fault count cannot be negative");
    EXPECT_EQ(result.problems.note, "");

    std::string many;
    for (int j = 0; j < 1003; ++j) many += "1 1\n";
    writeText(file("many.txt"), many + "\n");
    const vnk::IntervalReadResult cut = vnk::ReadIntervalFile(set, file("many.txt"));
    EXPECT_EQ(set.intervalCount, vnk::kCapacity);
    EXPECT_EQ(cut.problems.note,
              file("many.txt").string() +
                  ": only the first 1000 entries were read; 3 more lines were left out");
}

TEST_F(DataFileTest, SavedValuesNeverRunTogether) {
    FailureDataSet set = newTbfSet();
    set.errorHistory = ErrorHistory::Software;
    set.severityType = vnk::SeverityType::SameLevel;
    set.tbfCount = 1;
    set.tbf(TbfField::TimeBetweenFailures, 1) = 748.000004;
    set.tbf(TbfField::FailureType, 1) = 116.0;
    EXPECT_EQ(vnk::FormatTbfLine(set, 1), "  748.000004 116 \n");
}

TEST_F(DataFileTest, OnlyTheFirstNineTokensAreUsed) {
    FailureDataSet set = newTbfSet();
    const ColumnLayout ninthIsTime = {0, 0, 0, 0, 0, 0, 0, 3, 1};
    read(set, "1 2 3 4 5 6 7 2 9 10 11\n1 2 3 4 5 6 7 4\n", ninthIsTime);
    ASSERT_EQ(set.tbfCount, 2);
    EXPECT_EQ(set.entry(1).timeBetweenFailures, 9.0);
    EXPECT_EQ(set.entry(1).severityLevel, 2.0);
    EXPECT_EQ(set.entry(2).timeBetweenFailures, -1.0);
    EXPECT_EQ(set.entry(2).severityLevel, 4.0);
}

TEST_F(DataFileTest, AVeryLongLineStaysOneEntry) {
    FailureDataSet set = newTbfSet();
    read(set, "5" + std::string(10000, ' ') + "1\n" + std::string(20000, '7') + " 0\n2 0\n");
    ASSERT_EQ(set.tbfCount, 2);  // 20000 digits is beyond a double: that line is refused
    EXPECT_EQ(set.entry(1).timeBetweenFailures, 5.0);
    EXPECT_EQ(set.entry(1).failureType, 1.0);
    EXPECT_EQ(set.entry(2).timeBetweenFailures, 2.0);
}

TEST_F(DataFileTest, ReadingStopsAtTheCapacity) {
    std::string lines;
    for (int i = 1; i <= 2000; ++i) lines += std::to_string(i) + " 0\n";
    FailureDataSet set = newTbfSet();
    const vnk::TbfReadResult result = read(set, lines);
    EXPECT_EQ(result.linesRead, vnk::kCapacity);
    EXPECT_EQ(set.tbfCount, vnk::kCapacity);
    EXPECT_EQ(set.tbf(TbfField::TimeBetweenFailures, vnk::kCapacity), 1000.0);

    // Appending fills only up to the capacity; a full set takes nothing and asks nothing.
    set.tbfCount = 998;
    writeText(file("more.txt"), "1 0\n2 0\n3 0\n4 0\n");
    vnk::TbfReadResult appended = vnk::AppendTbfFile(set, file("more.txt"), kTimeAndType);
    EXPECT_EQ(appended.linesRead, 2);
    EXPECT_EQ(set.tbfCount, vnk::kCapacity);
    EXPECT_EQ(set.tbf(TbfField::TimeBetweenFailures, vnk::kCapacity), 2.0);
    appended = vnk::AppendTbfFile(set, file("more.txt"), kTimeAndType);
    EXPECT_EQ(appended.linesRead, 0);
    EXPECT_FALSE(appended.askFailureAtEnd);
    EXPECT_EQ(set.tbfCount, vnk::kCapacity);
}

TEST_F(DataFileTest, AppendKeepsTheEntriesAndTheFileNameAndDerivesOverAll) {
    FailureDataSet set = newTbfSet();
    read(set, "3 0\n4 0\n");
    set.currentFileName = "first.v3d";
    writeText(file("more.txt"), "5 1 2\n6\n");
    const ColumnLayout layout = {1, 2, 3, 0, 0, 0, 0, 0, 0};
    const vnk::TbfReadResult result = vnk::AppendTbfFile(set, file("more.txt"), layout);
    EXPECT_EQ(result.linesRead, 2);
    EXPECT_EQ(set.tbfCount, 4);
    EXPECT_EQ(set.currentFileName, "first.v3d");
    EXPECT_EQ(set.entry(3).failureType, 1.0);
    EXPECT_EQ(set.errorHistory, ErrorHistory::System);
    EXPECT_EQ(set.severityType, vnk::SeverityType::Variable);
    // The missing failure type of the last appended line sets every entry, old ones too.
    ASSERT_TRUE(result.askErrorHistory);
    vnk::ApplyMissingFailureType(set, ErrorHistory::Hardware);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(set.entry(i).failureType, 1.0) << i;
    EXPECT_EQ(set.errorHistory, ErrorHistory::Hardware);
    // The final-entry question is about the last appended entry.
    vnk::ApplyFailureAtEnd(set, false);
    EXPECT_EQ(set.tbfCount, 3);
    EXPECT_EQ(set.failureFreeTime, 6.0);
}

TEST_F(DataFileTest, AnswersToTheQuestionsAfterARead) {
    FailureDataSet set = newTbfSet();
    const vnk::TbfReadResult result = read(set, "10\n20\n30\n");
    EXPECT_TRUE(result.askErrorHistory);
    EXPECT_EQ(static_cast<int>(set.errorHistory), -1);

    FailureDataSet cancelled = set;
    vnk::ApplyMissingFailureType(cancelled, ErrorHistory::None);
    EXPECT_EQ(cancelled.errorHistory, ErrorHistory::None);
    EXPECT_FALSE(cancelled.isComplete());

    vnk::ApplyMissingFailureType(set, ErrorHistory::Software);
    EXPECT_TRUE(set.isComplete());
    EXPECT_EQ(set.entry(3).failureType, 0.0);

    FailureDataSet yes = set;
    vnk::ApplyFailureAtEnd(yes, true);
    EXPECT_EQ(yes.tbfCount, 3);
    EXPECT_EQ(yes.failureFreeTime, 0.0);
    vnk::ApplyFailureAtEnd(set, false);
    EXPECT_EQ(set.tbfCount, 2);
    EXPECT_EQ(set.failureFreeTime, 30.0);

    FailureDataSet empty = newTbfSet();
    vnk::ApplyFailureAtEnd(empty, false);
    EXPECT_EQ(empty.tbfCount, 0);
    EXPECT_EQ(empty.failureFreeTime, 0.0);
}

TEST_F(DataFileTest, EmptyBinaryAndMissingFilesAreHandled) {
    FailureDataSet set = newTbfSet();
    vnk::TbfReadResult result = read(set, "");
    EXPECT_EQ(result.status, FileStatus::Ok);
    EXPECT_EQ(set.tbfCount, 0);
    EXPECT_FALSE(result.askFailureAtEnd);
    EXPECT_FALSE(result.askErrorHistory);

    std::mt19937 random(7);
    std::string bytes(200000, '\0');
    for (char& c : bytes) c = static_cast<char>(random() % 256);
    bytes += std::string("\0\0 3\0 1\n", 8);
    set = newTbfSet();
    result = read(set, bytes, vnk::kDefaultColumnLayout);
    EXPECT_EQ(result.status, FileStatus::Ok);
    EXPECT_LE(set.tbfCount, vnk::kCapacity);
    for (int i = 1; i <= set.tbfCount; ++i)
        for (int f = 1; f <= vnk::kTbfFieldCount; ++f)
            EXPECT_TRUE(std::isfinite(set.tbf(static_cast<TbfField>(f), i)));

    set = newTbfSet();
    set.currentFileName = "before.v3d";
    result = vnk::ReadTbfFile(set, file("missing.v3d"), kTimeAndType);
    EXPECT_EQ(result.status, FileStatus::OpenError);
    EXPECT_EQ(set.currentFileName, "before.v3d");
    EXPECT_EQ(vnk::AppendTbfFile(set, dir.path(), kTimeAndType).status, FileStatus::OpenError);
    EXPECT_EQ(vnk::ReadIntervalFile(set, file("missing.txt")).status, FileStatus::OpenError);
}

TEST_F(DataFileTest, IntervalFileGivesCountsLengthsAndRunningSums) {
    FailureDataSet set;
    set.interval(vnk::interval_row::kFaults, 4) = 99.0;  // left from an earlier data set
    writeText(file("iv.txt"), "2 1.5\n5\n1 3\n0\n");
    const vnk::IntervalReadResult result = vnk::ReadIntervalFile(set, file("iv.txt"));
    ASSERT_EQ(result.linesRead, 4);
    EXPECT_EQ(set.intervalCount, 4);
    const double counts[] = {2, 5, 1, 0};
    const double lengths[] = {1.5, 1.0, 3.0, 1.0};
    const double running[] = {0, 2, 7, 8};
    for (int j = 1; j <= 4; ++j) {
        EXPECT_EQ(set.interval(vnk::interval_row::kFaults, j), counts[j - 1]) << j;
        EXPECT_EQ(set.interval(vnk::interval_row::kLength, j), lengths[j - 1]) << j;
        EXPECT_EQ(set.interval(vnk::interval_row::kFraction, j), 1.0) << j;
        EXPECT_EQ(set.interval(vnk::interval_row::kPreviousFaults, j), running[j - 1]) << j;
        EXPECT_EQ(set.interval(vnk::interval_row::kCorrections, j), running[j - 1]) << j;
    }
    const vnk::IntervalEntry third = set.intervalEntry(3);
    EXPECT_EQ(third.faults, 1.0);
    EXPECT_EQ(third.length, 3.0);
    EXPECT_EQ(third.previousFaults, 7.0);
    EXPECT_EQ(third.corrections, 7.0);
    EXPECT_EQ(set.correctionsAfterFinalInterval, 0.0);

    writeText(file("three.txt"), "2 1\n5 1\n1 1\n");
    vnk::ReadIntervalFile(set, file("three.txt"));
    EXPECT_EQ(set.intervalCount, 3);
    EXPECT_EQ(set.correctionsAfterFinalInterval, 1.0);
    EXPECT_EQ(set.interval(vnk::interval_row::kCorrections, 3), 7.0);

    writeText(file("empty.txt"), "");
    vnk::ReadIntervalFile(set, file("empty.txt"));
    EXPECT_EQ(set.intervalCount, 0);
    EXPECT_EQ(set.correctionsAfterFinalInterval, 0.0);
}

TEST_F(DataFileTest, IntervalHistoryChoiceDecidesWhetherToRead) {
    FailureDataSet set;
    set.dataKind = vnk::DataKind::Interval;
    EXPECT_TRUE(vnk::ApplyIntervalErrorHistory(set, ErrorHistory::Software));
    EXPECT_TRUE(set.isComplete());
    EXPECT_FALSE(vnk::ApplyIntervalErrorHistory(set, ErrorHistory::Hardware));
    EXPECT_EQ(set.dataKind, vnk::DataKind::None);
    EXPECT_FALSE(set.isComplete());
}

TEST_F(DataFileTest, IntervalSetSavesAsCountAndLengthAndReadsBack) {
    // Published DATA4 set (tests/data/README.md): 19 weeks, 328 faults, 47.65 CPU hours.
    FailureDataSet set;
    set.dataKind = vnk::DataKind::Interval;
    set.errorHistory = ErrorHistory::Software;
    vnk::ReadIntervalFile(set, fs::path(VARNOK_TEST_DATA_DIR) / "data4_interval.txt");
    ASSERT_EQ(set.intervalCount, 19);
    double faults = 0.0, hours = 0.0;
    for (int j = 1; j <= 19; ++j) {
        faults += set.interval(vnk::interval_row::kFaults, j);
        hours += set.interval(vnk::interval_row::kLength, j);
    }
    EXPECT_EQ(faults, 328.0);
    EXPECT_NEAR(hours, 47.65, 1e-9);
    EXPECT_EQ(set.correctionsAfterFinalInterval, 3.0);

    ASSERT_EQ(vnk::SaveDataFile(set, file("d4.v3d")), SaveStatus::Saved);
    EXPECT_EQ(readText(file("d4.v3d")).substr(0, 16), "15 2.45\n29 2.45\n");
    FailureDataSet back;
    vnk::ReadIntervalFile(back, file("d4.v3d"));
    ASSERT_EQ(back.intervalCount, 19);
    for (int j = 1; j <= 19; ++j) {
        EXPECT_EQ(back.interval(vnk::interval_row::kFaults, j),
                  set.interval(vnk::interval_row::kFaults, j));
        EXPECT_EQ(back.interval(vnk::interval_row::kLength, j),
                  set.interval(vnk::interval_row::kLength, j));
    }
}

TEST_F(DataFileTest, SaveRefusesWhatItCannotWriteAndKeepsTheOldFile) {
    const std::string old = "     1.00000  0 \n";
    writeText(file("old.v3d"), old);

    FailureDataSet incomplete = newTbfSet();
    incomplete.tbfCount = 1;
    EXPECT_EQ(vnk::SaveDataFile(incomplete, file("old.v3d")), SaveStatus::Incomplete);

    FailureDataSet interval;
    interval.dataKind = vnk::DataKind::Interval;
    interval.errorHistory = ErrorHistory::Hardware;
    EXPECT_EQ(vnk::SaveDataFile(interval, file("old.v3d")), SaveStatus::NotSavable);
    interval.errorHistory = ErrorHistory::Software;
    interval.intervalCount = 0;
    EXPECT_EQ(vnk::SaveDataFile(interval, file("old.v3d")), SaveStatus::NotSavable);
    EXPECT_EQ(readText(file("old.v3d")), old);
    EXPECT_TRUE(interval.currentFileName.empty());
}

TEST_F(DataFileTest, AFailedSaveLeavesTheTargetAndNoTemporaryFile) {
    FailureDataSet set = newTbfSet();
    set.errorHistory = ErrorHistory::Software;
    set.tbfCount = 1;
    set.setEntry(1, {2.0, 0.0, 1.0, -1.0, -1.0});
    set.dataChanged = true;

    // A target that is a folder, and one in a folder that does not exist.
    fs::create_directory(file("folder.v3d"));
    EXPECT_EQ(vnk::SaveDataFile(set, file("folder.v3d")), SaveStatus::CannotWrite);
    EXPECT_TRUE(fs::is_directory(file("folder.v3d")));
    EXPECT_EQ(vnk::SaveDataFile(set, file("nowhere") / "x.v3d"), SaveStatus::CannotWrite);

    // An existing file whose temporary file cannot be created (the name would be too long):
    // its bytes stay as they were.
    const fs::path longName = file(std::string(250, 'a'));
    writeText(longName, "old contents\n");
    EXPECT_EQ(vnk::SaveDataFile(set, longName), SaveStatus::CannotWrite);
    EXPECT_EQ(readText(longName), "old contents\n");

    EXPECT_TRUE(set.dataChanged);
    EXPECT_TRUE(set.currentFileName.empty());
    int entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path())) ++entries;
    EXPECT_EQ(entries, 2);  // the folder and the long-named file only
}

TEST_F(DataFileTest, SaveReplacesAnExistingFileKeepingItsPermissions) {
    writeText(file("keep.v3d"), "a much longer previous content than the new one\n");
    fs::permissions(file("keep.v3d"),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    FailureDataSet set = newTbfSet();
    set.errorHistory = ErrorHistory::Software;
    set.tbfCount = 1;
    set.setEntry(1, {2.0, 0.0, 1.0, -1.0, -1.0});
    ASSERT_EQ(vnk::SaveDataFile(set, file("keep.v3d")), SaveStatus::Saved);
    EXPECT_EQ(readText(file("keep.v3d")), "     2.00000  0 \n");
    EXPECT_EQ(fs::status(file("keep.v3d")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(DataFileTest, SampleFilesAreInTheProgramsOwnLayout) {
    // examples/ntds.v3d is the published NTDS set (tests/data/README.md) as Save writes it.
    FailureDataSet set = newTbfSet();
    const ColumnLayout timeOnly = {1, 0, 0, 0, 0, 0, 0, 0, 0};
    vnk::ReadTbfFile(set, fs::path(VARNOK_TEST_DATA_DIR) / "ntds_tbf.txt", timeOnly);
    vnk::ApplyMissingFailureType(set, ErrorHistory::Software);
    vnk::ApplyFailureAtEnd(set, true);
    ASSERT_EQ(set.tbfCount, 26);
    EXPECT_EQ(vnk::FormatDataFile(set), readText(fs::path(VARNOK_EXAMPLES_DIR) / "ntds.v3d"));

    // examples/sys1.v3d ends with the failure-free time: 136 failures, 88682 s, tail 2526 s.
    FailureDataSet sys1 = newTbfSet();
    const vnk::TbfReadResult result =
        vnk::ReadTbfFile(sys1, fs::path(VARNOK_EXAMPLES_DIR) / "sys1.v3d", kTimeAndType);
    EXPECT_FALSE(result.askErrorHistory);
    vnk::ApplyFailureAtEnd(sys1, false);
    ASSERT_EQ(sys1.tbfCount, 136);
    EXPECT_EQ(sys1.failureFreeTime, 2526.0);
    double total = 0.0;
    for (int i = 1; i <= sys1.tbfCount; ++i) total += sys1.tbf(TbfField::TimeBetweenFailures, i);
    EXPECT_EQ(total, 88682.0);
}

TEST(InputFileFormat, TextsGiveCodesAndTheLayoutRuleHolds) {
    for (int code = 0; code <= 5; ++code)
        EXPECT_EQ(vnk::FieldCodeFromText(vnk::FieldNameOfCode(code)), code);
    EXPECT_EQ(vnk::FieldCodeFromText("Severity level"), -1);
    EXPECT_EQ(vnk::FieldCodeFromText(""), -1);
    EXPECT_TRUE(vnk::IsValidColumnLayout(vnk::kDefaultColumnLayout));

    std::array<std::string, vnk::kLayoutColumns> texts;
    for (std::size_t c = 0; c < texts.size(); ++c)
        texts[c] = std::string(vnk::FieldNameOfCode(vnk::kDefaultColumnLayout[c]));
    EXPECT_EQ(vnk::ColumnLayoutFromTexts(texts), vnk::kDefaultColumnLayout);

    texts[4] = "Severity Level";  // twice
    EXPECT_FALSE(vnk::ColumnLayoutFromTexts(texts).has_value());
    texts[4] = "Not Applicable";  // "Not Applicable" may repeat
    texts[0] = "Not Applicable";  // and no time column is needed
    EXPECT_EQ(vnk::ColumnLayoutFromTexts(texts), (ColumnLayout{0, 2, 3, 4, 0, 0, 0, 0, 0}));
    texts[8] = "Hours";  // typed in, names no field
    EXPECT_FALSE(vnk::ColumnLayoutFromTexts(texts).has_value());
    EXPECT_FALSE(vnk::IsValidColumnLayout({6, 0, 0, 0, 0, 0, 0, 0, 0}));
}

}  // namespace
