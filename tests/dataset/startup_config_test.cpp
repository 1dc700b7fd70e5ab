#include "data/startup_config.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "dataset/file_helpers.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
namespace msg = vnk::startup_message;
using vnk::ErrorHistory;
using vnk::FailureDataSet;
using vnk::StartupStatus;
using vnk::TbfField;
using vnk::test::writeText;

class StartupConfigTest : public ::testing::Test {
  protected:
    vnk::test::TempDir dir;
    FailureDataSet set;
    vnk::ProgramOptions options;

    fs::path data() const { return dir.path() / "data.v3d"; }
    fs::path ini() const { return dir.path() / "VARNOK3.INI"; }

    // The data file and a configuration naming it, followed by `rest`.
    vnk::StartupResult load(const std::string& dataText, const std::string& rest) {
        writeText(data(), dataText);
        writeText(ini(), data().string() + "\n" + rest);
        return vnk::LoadStartupConfiguration(ini(), set, options);
    }
};

TEST_F(StartupConfigTest, NoConfigurationFileMeansAnEmptyStartWithoutMessage) {
    const vnk::StartupResult result = vnk::LoadStartupConfiguration(ini(), set, options);
    EXPECT_EQ(result.status, StartupStatus::NoConfiguration);
    EXPECT_TRUE(result.message.empty());
    EXPECT_EQ(set.dataKind, vnk::DataKind::None);
}

TEST_F(StartupConfigTest, LoadsATbfFileWithAFailureAtTheEnd) {
    options.numericalMethod = vnk::method::kLeastSquares;
    options.executionSeverityLevel = 2;
    set.dataChanged = true;
    const vnk::StartupResult result = load("3\n5\n7\n11\n", "0\n3\n1\n1\n1\n");
    ASSERT_EQ(result.status, StartupStatus::Loaded) << result.message;
    EXPECT_EQ(set.dataKind, vnk::DataKind::Tbf);
    EXPECT_EQ(set.tbfUnit, vnk::TbfUnit::Hours);
    EXPECT_EQ(set.errorHistory, ErrorHistory::Software);
    EXPECT_EQ(set.severityType, vnk::SeverityType::SameLevel);
    EXPECT_EQ(set.tbfCount, 4);
    EXPECT_EQ(set.failureFreeTime, 0.0);
    EXPECT_EQ(set.tbf(TbfField::TimeBetweenFailures, 4), 11.0);
    EXPECT_EQ(set.currentFileName, data().string());
    EXPECT_FALSE(set.dataChanged);
    EXPECT_EQ(options.numericalMethod, vnk::method::kMaximumLikelihood);
    EXPECT_EQ(options.executionSeverityLevel, 0);
}

TEST_F(StartupConfigTest, WithoutAFailureAtTheEndTheLastLineIsTheFailureFreeTime) {
    ASSERT_EQ(load("3\n5\n7\n11\n", "0\n3\n1\n0\n1\n").status, StartupStatus::Loaded);
    EXPECT_EQ(set.tbfCount, 3);
    EXPECT_EQ(set.failureFreeTime, 11.0);

    // An empty data file has no last line: nothing to take, N stays 0.
    ASSERT_EQ(load("", "0\n3\n1\n0\n1\n").status, StartupStatus::Loaded);
    EXPECT_EQ(set.tbfCount, 0);
}

TEST_F(StartupConfigTest, ColumnsAreScannedInOrderAndUnreadFieldsKeepTheirStart) {
    // Hardware history (code 0): every entry starts with failure type 1.0. Tabs separate
    // numbers here, as "%lf %lf" reads them.
    const vnk::StartupResult result = load("4 2\t1\n6 x 9\n8\n", "0\n0\n0\n1\n3\n1\n4\n");
    ASSERT_EQ(result.status, StartupStatus::Loaded) << result.message;
    ASSERT_EQ(set.tbfCount, 3);
    EXPECT_EQ(set.entry(1), (vnk::TbfEntry{2.0, 1.0, 4.0, 1.0, -1.0}));
    EXPECT_EQ(set.entry(2), (vnk::TbfEntry{-1.0, 1.0, 6.0, -1.0, -1.0}));
    EXPECT_EQ(set.entry(3), (vnk::TbfEntry{-1.0, 1.0, 8.0, -1.0, -1.0}));
    EXPECT_EQ(set.entry(vnk::kCapacity).failureType, 1.0);
    EXPECT_EQ(set.errorHistory, ErrorHistory::Hardware);
    EXPECT_TRUE(set.hardwareFieldsPresent);
    EXPECT_EQ(set.severityType, vnk::SeverityType::Variable);
}

TEST_F(StartupConfigTest, AFailureTypeColumnDecidesASystemHistory) {
    ASSERT_EQ(load("1 0\n2 1\n", "0\n4\n2\n1\n1\n2\n").status, StartupStatus::Loaded);
    EXPECT_EQ(set.errorHistory, ErrorHistory::System);
    ASSERT_EQ(load("1 0\n2 0\n", "0\n4\n2\n1\n1\n2\n").status, StartupStatus::Loaded);
    EXPECT_EQ(set.errorHistory, ErrorHistory::Software);
}

TEST_F(StartupConfigTest, IntervalConfigurationsReadColumnsInTheirOrder) {
    ASSERT_EQ(load("2 1.5\n5 2\n1 1\n", "1\n1\n2\n").status, StartupStatus::Loaded);
    EXPECT_EQ(set.dataKind, vnk::DataKind::Interval);
    EXPECT_EQ(set.errorHistory, ErrorHistory::Software);
    EXPECT_EQ(set.intervalCount, 3);
    EXPECT_EQ(set.interval(vnk::interval_row::kLength, 1), 1.5);
    EXPECT_EQ(set.interval(vnk::interval_row::kPreviousFaults, 3), 7.0);
    EXPECT_EQ(set.interval(vnk::interval_row::kCorrections, 2), 2.0);
    EXPECT_EQ(set.correctionsAfterFinalInterval, 1.0);

    // Columns 2 and 1: length first, then count.
    ASSERT_EQ(load("1.5 2\n2 5\n", "1\n2\n1\n").status, StartupStatus::Loaded);
    EXPECT_EQ(set.interval(vnk::interval_row::kFaults, 1), 2.0);
    EXPECT_EQ(set.interval(vnk::interval_row::kLength, 1), 1.5);
    EXPECT_EQ(set.interval(vnk::interval_row::kFaults, 2), 5.0);

    // One column: counts only, lengths 1.0.
    ASSERT_EQ(load("4 9\n6\n", "1\n1\n").status, StartupStatus::Loaded);
    EXPECT_EQ(set.interval(vnk::interval_row::kFaults, 1), 4.0);
    EXPECT_EQ(set.interval(vnk::interval_row::kLength, 1), 1.0);
    EXPECT_EQ(set.intervalCount, 2);
}

TEST_F(StartupConfigTest, EveryErrorGivesItsMessageAndChangesNothing) {
    struct Case {
        std::string rest;
        std::string_view message;
    };
    const std::vector<Case> cases = {
        {"", msg::kInvalidDataType},
        {"2\n", msg::kInvalidDataType},
        {"x\n", msg::kInvalidDataType},
        {"0\n8\n", msg::kInvalidTbfUnit},
        {"0\n-1\n", msg::kInvalidTbfUnit},
        {"0\nHours\n", msg::kInvalidTbfUnit},
        {"0\n3\n3\n", msg::kInvalidErrorHistory},
        {"0\n3\n", msg::kInvalidErrorHistory},
        {"0\n3\n1\n2\n", msg::kInvalidFailureAtEnd},
        {"0\n3\n1\n1\n6\n", msg::kInvalidField},
        {"0\n3\n1\n1\n1\n\n", msg::kInvalidField},  // a trailing empty line is a column
        {"0\n3\n1\n1\n1\n2\n3\n4\n5\n1\n", msg::kExtraFields},
        {"0\n3\n1\n1\n1\n2\n3\n4\n5\n\n", msg::kExtraFields},
        {"0\n3\n1\n1\n", msg::kTimeBetweenFailuresRequired},
        {"0\n3\n1\n1\n2\n3\n", msg::kTimeBetweenFailuresRequired},
        {"0\n3\n2\n1\n1\n3\n", msg::kFailureTypeRequired},
        {"1\n3\n", msg::kInvalidField},
        {"1\n1\n2\n1\n", msg::kExtraFields},
        {"1\n2\n", msg::kFaultCountsRequired},
        {"1\n", msg::kFaultCountsRequired},
    };
    set.tbfUnit = vnk::TbfUnit::Days;
    options.numericalMethod = vnk::method::kLeastSquares;
    for (const Case& c : cases) {
        const vnk::StartupResult result = load("1\n2\n", c.rest);
        EXPECT_EQ(result.status, StartupStatus::Error) << c.rest;
        EXPECT_EQ(result.message, c.message) << c.rest;
    }
    EXPECT_EQ(set.dataKind, vnk::DataKind::None);
    EXPECT_EQ(set.tbfUnit, vnk::TbfUnit::Days);
    EXPECT_EQ(set.tbfCount, 0);
    EXPECT_EQ(options.numericalMethod, vnk::method::kLeastSquares);

    writeText(ini(), (dir.path() / "absent.v3d").string() + "\n0\n3\n1\n1\n1\n");
    EXPECT_EQ(vnk::LoadStartupConfiguration(ini(), set, options).message, msg::kDataFileNotOpened);
    writeText(ini(), "");
    EXPECT_EQ(vnk::LoadStartupConfiguration(ini(), set, options).message, msg::kDataFileNotOpened);
}

TEST_F(StartupConfigTest, LongAndWindowsStyleLinesAreHandled) {
    // A line past 599 characters keeps its first 599 and stays one line.
    EXPECT_EQ(load("1\n", "0\n3" + std::string(5000, ' ') + "9\n1\n1\n1\n").status,
              StartupStatus::Loaded);
    EXPECT_EQ(set.tbfUnit, vnk::TbfUnit::Hours);
    // A path of more than 599 characters cannot be opened.
    writeText(ini(), std::string(700, 'p') + "\n0\n3\n1\n1\n1\n");
    EXPECT_EQ(vnk::LoadStartupConfiguration(ini(), set, options).message, msg::kDataFileNotOpened);
    // Carriage returns before the line feeds.
    writeText(data(), "5\r\n6\r\n");
    writeText(ini(), data().string() + "\r\n0\r\n4\r\n1\r\n1\r\n1\r\n");
    ASSERT_EQ(vnk::LoadStartupConfiguration(ini(), set, options).status, StartupStatus::Loaded);
    EXPECT_EQ(set.tbfCount, 2);
    EXPECT_EQ(set.tbf(TbfField::TimeBetweenFailures, 2), 6.0);
}

TEST_F(StartupConfigTest, TheSampleConfigurationLoadsItsDataFromItsFolder) {
    const fs::path examples = VARNOK_EXAMPLES_DIR;
    const fs::path previous = fs::current_path();
    fs::current_path(examples);
    const vnk::StartupResult result =
        vnk::LoadStartupConfiguration(vnk::kStartupConfigFileName, set, options);
    fs::current_path(previous);
    ASSERT_EQ(result.status, StartupStatus::Loaded) << result.message;
    EXPECT_EQ(set.tbfCount, 26);  // NTDS, tests/data/README.md: 26 failures, 250 days
    EXPECT_EQ(set.tbfUnit, vnk::TbfUnit::Days);
    EXPECT_EQ(set.errorHistory, ErrorHistory::Software);
    double total = 0.0;
    for (int i = 1; i <= set.tbfCount; ++i) total += set.tbf(TbfField::TimeBetweenFailures, i);
    EXPECT_EQ(total, 250.0);
}

}  // namespace
