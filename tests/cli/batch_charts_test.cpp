// --charts: the chart files, the list on stderr, the report left as it was, and a bad folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "tests/cli/run_batch.h"

namespace vnk::test {
namespace {

int StrokesOf(const std::string& svg, const std::string& colour) {
    // The SVG writer puts a line's pen on the group around its polyline.
    const std::regex stroke("stroke=\"" + colour + "\"[^>]*>\\s*<(path|polyline)");
    return static_cast<int>(std::distance(
        std::sregex_iterator(svg.begin(), svg.end(), stroke), std::sregex_iterator()));
}

TEST(BatchCharts, WritesEveryPlotAndLeavesTheReportAsItWas) {
    TempDir out;
    const std::string data = TestData("sys1_tbf.txt");
    const auto plain = RunBatchProgram({"--models", "GEO,JAM", "--measures", "bias", data});
    const auto run = RunBatchProgram(
        {"--models", "GEO,JAM", "--measures", "bias", "--charts", out.path().string(), data});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, plain.out);
    for (const char* chart : {"raw", "smoothed", "geo", "jam", "summary", "bias-geo-u", "bias-jam-s"}) {
        for (const char* extension : {".png", ".svg"}) {
            const auto path = out.path() / (std::string("sys1_tbf-") + chart + extension);
            EXPECT_TRUE(std::filesystem::is_regular_file(path)) << path;
            EXPECT_NE(run.err.find("chart: " + path.string() + "\n"), std::string::npos) << path;
        }
    }
    const std::string png = ReadWholeFile(out.path() / "sys1_tbf-geo.png");
    EXPECT_EQ(png.substr(1, 3), "PNG");
    // The model plot: one red line for the data, one blue line for the model's predictions.
    const std::string svg = ReadWholeFile(out.path() / "sys1_tbf-geo.svg");
    EXPECT_NE(svg.find("</svg>"), std::string::npos);
    EXPECT_EQ(StrokesOf(svg, "#ff0000"), 1);
    EXPECT_EQ(StrokesOf(svg, "#0000ff"), 1);
}

TEST(BatchCharts, AMissingFolderIsAUsageError) {
    const auto missing =
        RunBatchProgram({"--charts", "/nonexistent/charts", TestData("sys1_tbf.txt")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "varnok3-batch: --charts: /nonexistent/charts: no such folder\n");
    EXPECT_TRUE(missing.out.empty());
}

TEST(BatchCharts, AReadOnlyFolderIsAUsageError) {
    const std::string data = TestData("sys1_tbf.txt");
    if (geteuid() == 0) GTEST_SKIP() << "root writes into any folder";
    TempDir out;
    std::filesystem::permissions(out.path(), std::filesystem::perms::owner_read |
                                                 std::filesystem::perms::owner_exec);
    const auto readOnly = RunBatchProgram({"--charts", out.path().string(), data});
    std::filesystem::permissions(out.path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(readOnly.status, 2);
    EXPECT_EQ(readOnly.err,
              "varnok3-batch: --charts: " + out.path().string() + ": the folder is not writable\n");
}

}  // namespace
}  // namespace vnk::test

namespace vnk::test {
namespace {

std::size_t PdfPages(const std::string& bytes) {
    std::size_t pages = 0;
    for (std::size_t at = bytes.find("/Type /Page\n"); at != std::string::npos;
         at = bytes.find("/Type /Page\n", at + 1))
        ++pages;
    return pages;
}

TEST(BatchCharts, ChartsInPdfAppendOnePagePerChartFile) {
    TempDir dir;
    const std::vector<std::string> common{"--models", "GEO,JAM", "--measures", "accuracy",
                                          TestData("ntds_tbf.txt")};
    std::vector<std::string> plain = common, withCharts = common;
    plain.insert(plain.begin(), {"--pdf", (dir.path() / "plain.pdf").string()});
    withCharts.insert(withCharts.begin(), {"--pdf", (dir.path() / "charts.pdf").string(),
                                           "--charts-in-pdf", "--charts", dir.path().string()});
    ASSERT_EQ(RunBatchProgram(plain).status, 0);
    const auto run = RunBatchProgram(withCharts);
    ASSERT_EQ(run.status, 0) << run.err;
    std::size_t pngs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        if (entry.path().extension() == ".png") ++pngs;
    ASSERT_GT(pngs, 0u);
    EXPECT_EQ(PdfPages(vnk::test::ReadWholeFile(dir.path() / "charts.pdf")),
              PdfPages(vnk::test::ReadWholeFile(dir.path() / "plain.pdf")) + pngs);
    EXPECT_EQ(RunBatchProgram({"--charts-in-pdf", TestData("ntds_tbf.txt")}).status, 2);
}

}  // namespace
}  // namespace vnk::test
