// Project files: every field back as it was written, and every damaged or foreign file
// refused with a message naming what is wrong, the project in memory untouched.
#include "data/project_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "data/data_file.h"
#include "tests/dataset/file_helpers.h"

namespace vnk {
namespace {

Project Sys1Project() {
    Project p;
    EXPECT_EQ(ReadTbfFile(p.data, std::filesystem::path(VARNOK_EXAMPLES_DIR) / "sys1.v3d",
                          kDefaultColumnLayout)
                  .status,
              FileStatus::Ok);
    p.data.dataKind = DataKind::Tbf;
    p.data.tbfUnit = TbfUnit::Hours;
    p.data.failureFreeTime = 1.2857142857142858;  // not a short decimal
    p.data.tbf(TbfField::SeverityLevel, 3) = 2.0;
    p.sourceFile = "exports/tracker.csv";
    CsvImportSettings csv;
    csv.delimiter = ';';
    csv.timeColumn = "Opened";
    csv.severityMap = {{"critical", 1}, {"minor", 3}};
    csv.filterValues = {"ui", "core"};
    csv.binning = ImportBinning::Period;
    csv.periodColumn = "Cycle";
    p.import = csv;
    p.steps = {{"Convert TBF Units", {{"from", 1}, {"to", 3}}}, {"Log Transformation", {}}};
    p.options.numericalMethod = method::kLeastSquares;
    p.options.cellCombinations = 7;
    p.options.robustEstimation = true;
    return p;
}

TEST(ProjectFile, EveryFieldComesBackAsWritten) {
    const Project written = Sys1Project();
    const std::string text = FormatProjectFile(written);
    Project read;
    ASSERT_EQ(ParseProjectFile(text, read).error, "");
    EXPECT_EQ(FormatProjectFile(read), text);  // every field, at full precision
    EXPECT_EQ(read.data.tbfCount, written.data.tbfCount);
    EXPECT_EQ(read.data.failureFreeTime, 1.2857142857142858);
    EXPECT_EQ(read.data.tbfUnit, TbfUnit::Hours);
    EXPECT_EQ(read.data.entry(3), written.data.entry(3));
    EXPECT_EQ(read.steps, written.steps);
    ASSERT_TRUE(read.import);
    EXPECT_EQ(read.import->delimiter, ';');
    EXPECT_EQ(read.import->severityMap, written.import->severityMap);
    EXPECT_EQ(read.import->periodColumn, "Cycle");
    // Projects from before test-period binning have no period column and still open.
    std::string older = text;
    const auto at = older.find("\"period_column\"");
    ASSERT_NE(at, std::string::npos);
    older.erase(at, older.find('\n', at) - at + 1);
    Project old;
    EXPECT_EQ(ParseProjectFile(older, old).error, "");
    EXPECT_TRUE(read.options.robustEstimation);
    EXPECT_EQ(read.data.currentFileName, "");  // Save must not write a data file over it

    Project intervals;
    ASSERT_EQ(ReadIntervalFile(intervals.data,
                               std::filesystem::path(VARNOK_EXAMPLES_DIR) / "data4_interval.v3d")
                  .status,
              FileStatus::Ok);
    const std::string intervalText = FormatProjectFile(intervals);
    Project back;
    ASSERT_EQ(ParseProjectFile(intervalText, back).error, "");
    EXPECT_EQ(FormatProjectFile(back), intervalText);
    EXPECT_EQ(back.data.intervalCount, 19);
    EXPECT_EQ(back.data.interval(interval_row::kFaults, 19),
              intervals.data.interval(interval_row::kFaults, 19));
}

TEST(ProjectFile, DamagedOrForeignFilesAreRefusedWithTheirReason) {
    const std::string good = FormatProjectFile(Sys1Project());
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string s = good;
        const auto at = s.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return s.replace(at, from.size(), to);
    };
    const std::vector<std::pair<std::string, std::string>> cases{
        {"", "not valid JSON"},
        {"{\"format\": \"something-else\", \"version\": 1}", "not a Varnok 3 project file"},
        {replaced("\"version\": 1", "\"version\": 2"), "newer version"},
        {replaced("\"failure_free_time\"", "\"free_time\""), "\"data.failure_free_time\""},
        {replaced("\"unit\": 3", "\"unit\": 9"), "\"data.unit\""},
        {replaced("\"cell_combinations\": 7", "\"cell_combinations\": \"7\""),
         "\"options.cell_combinations\""},
        {replaced("\"interval_count\": 1", "\"interval_count\": 1001"), "\"data.interval_count\""},
        {replaced("\"kind\": 1", "\"kind\": 1.5"), "\"data.kind\""},
    };
    for (const auto& [text, expected] : cases) {
        Project p = Sys1Project();
        p.data.tbfCount = 5;  // the project in memory must stay as it is
        const ProjectReadResult r = ParseProjectFile(text, p);
        EXPECT_NE(r.error.find(expected), std::string::npos) << r.error;
        EXPECT_EQ(p.data.tbfCount, 5);
    }
}

TEST(ProjectFile, SavedThroughTheSafePathAndRecognisedByItsExtension) {
    const auto dir = std::filesystem::temp_directory_path() / "varnok_project_test";
    std::filesystem::create_directories(dir);
    const Project p = Sys1Project();
    ASSERT_EQ(SaveProjectFile(p, dir / "a.V3P"), "");
    Project back;
    EXPECT_EQ(ReadProjectFile(dir / "a.V3P", back).error, "");
    EXPECT_EQ(back.data.tbfCount, p.data.tbfCount);
    EXPECT_TRUE(IsProjectFilePath(dir / "a.V3P"));
    EXPECT_FALSE(IsProjectFilePath(dir / "a.v3d"));
    EXPECT_NE(SaveProjectFile(p, dir / "missing" / "b.v3p"), "");
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace vnk
