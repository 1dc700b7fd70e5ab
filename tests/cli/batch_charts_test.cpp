// --charts: the chart files, the list on stderr, the report left as it was, and a bad folder.
#include <gtest/gtest.h>
#include <png.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include "tests/cli/run_batch.h"

namespace vnk::test {
namespace {

int StrokesOf(const std::string& svg, const std::string& colour) {
    // The SVG writer puts a line's pen on the group around its polyline.
    const std::regex stroke("stroke=\"" + colour + "\"[^>]*>\\s*<(path|polyline)");
    return static_cast<int>(std::distance(std::sregex_iterator(svg.begin(), svg.end(), stroke),
                                          std::sregex_iterator()));
}

TEST(BatchCharts, WritesEveryPlotAndLeavesTheReportAsItWas) {
    TempDir out;
    const std::string data = TestData("sys1_tbf.txt");
    const auto plain = RunBatchProgram({"--models", "GEO,JAM", "--measures", "bias", data});
    const auto run = RunBatchProgram(
        {"--models", "GEO,JAM", "--measures", "bias", "--charts", out.path().string(), data});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, plain.out);
    for (const char* chart :
         {"raw", "smoothed", "geo", "jam", "summary", "bias-geo-u", "bias-jam-s"}) {
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

// Pixels of a PNG file in the given colour (within a small distance, for antialiased edges).
int PixelsOf(const std::string& file, int r, int g, int b) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, file.data(), file.size())) return -1;
    image.format = PNG_FORMAT_RGB;
    std::vector<unsigned char> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return -1;
    int count = 0;
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3)
        if (std::abs(rgb[i] - r) < 40 && std::abs(rgb[i + 1] - g) < 40 &&
            std::abs(rgb[i + 2] - b) < 40)
            ++count;
    return count;
}

std::string WriteText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path) << text;
    return path.string();
}

TEST(BatchCharts, IntervalDataChartsTheCountsEachModelAndTheAccuracyAnalyses) {
    TempDir out;
    const auto run =
        RunBatchProgram({"--kind", "interval", "--models", "all", "--measures", "accuracy",
                         "--charts", out.path().string(), TestData("data4_interval.txt")});
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* chart : {"counts", "cumulative", "lengths", "smoothed", "bm-b", "gp-2", "yam",
                              "summary", "accuracy-yam"}) {
        const auto path = out.path() / (std::string("data4_interval-") + chart + ".png");
        EXPECT_NE(run.err.find("chart: " + path.string() + "\n"), std::string::npos) << path;
    }
    // A failed analysis is listed with its reason and has no file.
    EXPECT_NE(run.err.find("chart skipped: data4_interval-accuracy-bm-b: the analysis failed"),
              std::string::npos)
        << run.err;
    EXPECT_FALSE(std::filesystem::exists(out.path() / "data4_interval-accuracy-bm-b.png"));

    // The counts: one green line, drawn over the white background.
    const std::string svg = ReadWholeFile(out.path() / "data4_interval-cumulative.svg");
    EXPECT_EQ(StrokesOf(svg, "#00a000"), 1);
    const std::string png = ReadWholeFile(out.path() / "data4_interval-cumulative.png");
    EXPECT_GT(PixelsOf(png, 0, 160, 0), 1000);
    EXPECT_GT(PixelsOf(png, 255, 255, 255), 1024 * 768 / 2);
    // The model plot: the counts in red, the model's predictions in blue.
    const std::string model = ReadWholeFile(out.path() / "data4_interval-gp-2.svg");
    EXPECT_EQ(StrokesOf(model, "#ff0000"), 1);
    EXPECT_EQ(StrokesOf(model, "#0000ff"), 1);
}

TEST(BatchCharts, HardwareIntervalDataChartsFailingAndSuccessfulUnits) {
    TempDir out;
    const std::string data = WriteText(out.path() / "trials.txt", "10 6\n12 5\n15 4\n20 3\n20 2\n");
    const auto run = RunBatchProgram({"--kind", "hardware-interval", "--models", "discrete",
                                      "--charts", out.path().string(), data});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string svg = ReadWholeFile(out.path() / "trials-raw.svg");
    EXPECT_EQ(StrokesOf(svg, "#ff0000"), 1);
    EXPECT_EQ(StrokesOf(svg, "#00a000"), 1);
    EXPECT_GT(PixelsOf(ReadWholeFile(out.path() / "trials-raw.png"), 255, 0, 0), 500);
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
    std::filesystem::permissions(
        out.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
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
