#include "cli/batch_output.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

#include "execution/interval_execution.h"
#include "tests/cli/run_batch.h"

namespace {

using nlohmann::json;
using vnk::test::RunBatchProgram;
using vnk::test::TempDir;
using vnk::test::TestData;

std::vector<std::string> Pages(const std::string& text) {
    std::vector<std::string> pages(1);
    for (char c : text) {
        if (c == '\f')
            pages.emplace_back();
        else
            pages.back() += c;
    }
    return pages;
}

TEST(BatchOutput, TextIsTheSummaryPagesThenEachExecutedModelsReport) {
    const auto run = RunBatchProgram({"--models", "GEO,JAM", "--measures", "all", "--predict",
                                      "GEO 1 3", TestData("ntds_tbf.txt")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");  // no progress line when stderr is not a terminal
    const auto pages = Pages(run.out);
    ASSERT_EQ(pages.size(), 6u);
    for (const auto& page : pages)
        EXPECT_EQ(
            page.rfind("\n\n    VARNOK EXECUTION TIME MODEL RESULTS FOR SOFTWARE ANALYSIS\n", 0),
            0u);
    EXPECT_NE(pages[0].find("    APPLICABILITY RESULTS"), std::string::npos);
    EXPECT_NE(pages[4].find("    GEOMETRIC MODEL\n"), std::string::npos);
    EXPECT_NE(pages[4].find(
                  "    PREDICTIONS\n\n      For the next 3.0 failures  The Total MTBNF will be "),
              std::string::npos);
    EXPECT_NE(pages[5].find("    JELINSKI/MORANDA MODEL\n"), std::string::npos);
    EXPECT_EQ(pages[5].find("PREDICTIONS"), std::string::npos);
}

TEST(BatchOutput, JsonHoldsEverySlotWithFullPrecision) {
    const auto run = RunBatchProgram({"--models", "all", "--measures", "accuracy,trend", "--json",
                                      "--predict", "JAM 4 2", TestData("sys1_tbf.txt")});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto j = nlohmann::ordered_json::parse(run.out);
    std::vector<std::string> keys;
    for (const auto& [key, value] : j.items()) keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::string>{"kind", "history", "count", "statistics", "models",
                                              "hardware"}));
    EXPECT_EQ(j["kind"], "tbf");
    EXPECT_EQ(j["history"], "software");
    EXPECT_EQ(j["count"], 136);
    EXPECT_TRUE(j["hardware"].empty());
    EXPECT_EQ(j["statistics"]["sum"].get<double>(), 88682.0);  // SYS1: total CPU seconds
    ASSERT_EQ(j["models"].size(), 7u);
    int executed = 0;
    for (const char* label : {"GEO", "JAM", "LAV-L", "LAV-Q", "MUS", "MSA", "NPT"}) {
        const auto& m = j["models"][label];
        ASSERT_TRUE(m.is_object()) << label;
        EXPECT_EQ(m["stats"].size(), 12u);
        EXPECT_EQ(m["stats"][0].size(), 3u);
        if (m["status"] == 3) continue;
        ++executed;
        EXPECT_EQ(m["predicted"].size(), 136u) << label;
        EXPECT_EQ(m["applicability"].size(), 2u) << label;  // accuracy and trend only
        EXPECT_TRUE(m["applicability"].contains("trend"));
        EXPECT_EQ(m["applicability"]["accuracy"]["indx"], 68);
    }
    EXPECT_EQ(executed, 7);
    const auto& jam = j["models"]["JAM"];
    ASSERT_EQ(jam["predictions"].size(), 1u);
    EXPECT_EQ(jam["predictions"][0]["question"], 4);
    EXPECT_EQ(jam["predictions"][0]["inputs"], nlohmann::ordered_json::array({2.0}));
    EXPECT_EQ(jam["predictions"][0]["flag"], 0);
    // Full precision: a value printed with 17 significant digits reads back exactly, so the
    // Kolmogorov distance is not the 5-decimal one of the report.
    const double d = j["models"]["GEO"]["ks_distance"].get<double>();
    EXPECT_NE(d, std::round(d * 1e5) / 1e5);
}

TEST(BatchOutput, FailureAtEndNoMakesTheLastTimeFailureFree) {
    const auto run = RunBatchProgram(
        {"--models", "MUS", "--failure-at-end", "no", "--json", TestData("ntds_tbf.txt")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(json::parse(run.out)["count"], 25);
}

TEST(BatchOutput, PredictionMessagesGoToStderrAndTheRunCompletes) {
    // An intensity above the current one cannot be reached.
    const auto run = RunBatchProgram(
        {"--models", "GEO", "--json", "--predict", "GEO 2 1000", TestData("ntds_tbf.txt")});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.err,
              "varnok3-batch: GEO question 2: Input greater than current for Prediction 2\n");
    EXPECT_EQ(json::parse(run.out)["models"]["GEO"]["predictions"][0]["flag"], 1);
}

TEST(BatchOutput, LeastSquaresRunsWhatTheSelectionScreenAllows) {
    const auto run =
        RunBatchProgram({"--models", "all", "--method", "ls", "--json", TestData("ntds_tbf.txt")});
    ASSERT_EQ(run.status, 0) << run.err;
    const json j = json::parse(run.out);
    EXPECT_EQ(j["models"]["GEO"]["status"], 0);
    for (const char* label : {"MUS", "MSA", "NPT"}) EXPECT_EQ(j["models"][label]["status"], 3);
    EXPECT_EQ(j["models"]["GEO"]["stats"][3][1], 0.0);  // no limits under least squares
}

TEST(BatchOutput, TraceGoesToTheCurrentDirectory) {
    TempDir dir;
    const auto run =
        RunBatchProgram({"--models", "GEO", "--trace", TestData("ntds_tbf.txt")}, dir.path());
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string trace = vnk::test::ReadWholeFile(dir.path() / "VNK_trace.txt");
    EXPECT_NE(trace.find("SGEOMD"), std::string::npos);
    EXPECT_NE(trace.find("SGEOPR"), std::string::npos);
}

TEST(BatchOutput, StartupConfigurationIsReadFromItsDirectory) {
    const auto run =
        RunBatchProgram({"--ini", "--models", "JAM", "--json", "VARNOK3.INI"}, VARNOK_EXAMPLES_DIR);
    ASSERT_EQ(run.status, 0) << run.err;
    const json j = json::parse(run.out);
    EXPECT_EQ(j["kind"], "tbf");
    EXPECT_EQ(j["count"], 26);
    EXPECT_NEAR(j["models"]["JAM"]["stats"][9][0].get<double>(), 31.2, 0.05);
}

TEST(BatchOutput, IntervalRunListsTheTenSlots) {
    const auto run = RunBatchProgram({"--kind", "interval", "--models", "all", "--measures", "all",
                                      "--json", TestData("data4_interval.txt")});
    ASSERT_EQ(run.status, 0) << run.err;
    const json j = json::parse(run.out);
    EXPECT_EQ(j["kind"], "interval");
    EXPECT_EQ(j["count"], 19);
    EXPECT_EQ(j["statistics"]["counts"]["sum"], 328.0);
    ASSERT_EQ(j["models"].size(), 10u);
    for (const char* label : {"BM-B", "BM-P", "GP-2", "NHP", "S-T1", "YAM"})
        EXPECT_TRUE(j["models"][label]["applicability"].contains("accuracy")) << label;
    for (const char* label : {"GP-1", "GP-3", "S-T2", "S-T3"})
        EXPECT_TRUE(j["models"][label]["applicability"].empty()) << label;
    // Pressing OK on the optimum S screen unchanged leaves S2 = S3 = 0: no treatments 2, 3.
    EXPECT_EQ(j["models"]["S-T2"]["status"], 1);
    EXPECT_EQ(j["models"]["S-T3"]["status"], 1);
}

TEST(BatchOutput, PdfHasAPageForEveryText) {
    TempDir dir;
    const auto pdf = (dir.path() / "report.pdf").string();
    const auto run =
        RunBatchProgram({"--models", "GEO,JAM", "--pdf", pdf, TestData("ntds_tbf.txt")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    const std::string bytes = vnk::test::ReadWholeFile(pdf);
    ASSERT_EQ(bytes.rfind("%PDF", 0), 0u);
    // Four summary pages (the data pages are short for 26 entries) and two model reports.
    std::size_t pages = 0;
    for (std::size_t at = bytes.find("/Type /Page\n"); at != std::string::npos;
         at = bytes.find("/Type /Page\n", at + 1))
        ++pages;
    EXPECT_GE(pages, 6u);
}

TEST(BatchOutput, PdfWithoutItsModuleIsAnErrorAndTextRunsNeedNoModule) {
    // A copy of the program without the module beside it.
    TempDir dir;
    const auto copy = dir.path() / "varnok3-batch";
    std::filesystem::copy_file(VARNOK_BATCH_BINARY, copy);
    const auto pdf = (dir.path() / "report.pdf").string();
    const auto run = vnk::test::RunProgram(
        copy.string(), {"--models", "GEO", "--pdf", pdf, TestData("ntds_tbf.txt")});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("varnok3-batch-pdf.so could not be loaded"), std::string::npos)
        << run.err;
    const auto text =
        vnk::test::RunProgram(copy.string(), {"--models", "GEO", TestData("ntds_tbf.txt")});
    EXPECT_EQ(text.status, 0);
}

TEST(BatchOutput, PdfToAnUnwritablePlaceIsAnError) {
    const auto run = RunBatchProgram(
        {"--models", "GEO", "--pdf", "/nonexistent/dir/report.pdf", TestData("ntds_tbf.txt")});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("--pdf: /nonexistent/dir/report.pdf: No such file or directory"),
              std::string::npos);
}

TEST(BatchOutput, OutputThatCannotBeWrittenEndsWithStatusTwoAndTheReason) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--models", "GEO", TestData("ntds_tbf.txt")},
          std::vector<std::string>{"--models", "GEO", "--json", TestData("ntds_tbf.txt")},
          std::vector<std::string>{"--help"}}) {
        const auto run = vnk::test::RunProgram(VARNOK_BATCH_BINARY, args, {}, "/dev/full");
        EXPECT_EQ(run.status, 2) << args[0];
        EXPECT_EQ(run.err, "varnok3-batch: standard output: No space left on device\n");
    }
}

TEST(BatchOutput, AnOutputOntoTheInputFileIsRefusedAndTheDataStay) {
    TempDir dir;
    const auto data = dir.path() / "mydata.v3d";
    std::filesystem::copy_file(TestData("ntds_tbf.txt"), data);
    const std::string before = vnk::test::ReadWholeFile(data);
    const auto pdf = RunBatchProgram({"--models", "GEO", "--pdf", data.string(), data.string()});
    EXPECT_EQ(pdf.status, 2);
    EXPECT_NE(pdf.err.find("the output would replace the input file"), std::string::npos);
    EXPECT_EQ(vnk::test::ReadWholeFile(data), before);

    // The trace file is an output too.
    std::filesystem::copy_file(data, dir.path() / "VNK_trace.txt");
    const auto trace = RunBatchProgram({"--models", "GEO", "--trace", "VNK_trace.txt"}, dir.path());
    EXPECT_EQ(trace.status, 2);
    EXPECT_EQ(vnk::test::ReadWholeFile(dir.path() / "VNK_trace.txt"), before);
}

TEST(BatchOutput, APdfOverAnOldOneThroughALinkReplacesItsTarget) {
    TempDir dir;
    const auto pdf = dir.path() / "report.pdf";
    std::ofstream(pdf) << "old report";
    std::filesystem::create_symlink(pdf, dir.path() / "latest.pdf");
    const auto run =
        RunBatchProgram({"--models", "GEO", "--pdf", (dir.path() / "latest.pdf").string(),
                         TestData("ntds_tbf.txt")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "latest.pdf"));
    const std::string bytes = vnk::test::ReadWholeFile(pdf);
    ASSERT_GT(bytes.size(), 8u);
    EXPECT_NE(bytes.find("%%EOF", bytes.size() - 8), std::string::npos);
}

}  // namespace

namespace {

TEST(BatchOutput, CompareAddsOnePageAfterTheSummaryAndLeavesTheOthersAsTheyWere) {
    const std::vector<std::string> args{"--models", "all", "--measures", "accuracy",
                                        TestData("sys1_tbf.txt")};
    const auto plain = RunBatchProgram(args);
    std::vector<std::string> compareArgs = args;
    compareArgs.insert(compareArgs.begin(), "--compare");
    const auto compared = RunBatchProgram(compareArgs);
    ASSERT_EQ(compared.status, 0) << compared.err;
    auto pages = Pages(compared.out);
    const auto before = Pages(plain.out);
    ASSERT_EQ(pages.size(), before.size() + 1);
    std::size_t at = 0;
    while (at < pages.size() && pages[at].find("    MODEL COMPARISON\n") == std::string::npos) ++at;
    ASSERT_LT(at, pages.size());
    EXPECT_NE(pages[at + 1].find("    GEOMETRIC MODEL\n"), std::string::npos);  // summary first
    EXPECT_NE(pages[at].find("Recommended model: "), std::string::npos);
    pages.erase(pages.begin() + static_cast<long>(at));
    EXPECT_EQ(pages, before);

    compareArgs.insert(compareArgs.begin(), "--json");
    const auto j = json::parse(RunBatchProgram(compareArgs).out);
    EXPECT_EQ(j["recommended"]["model"], "GEO");
    EXPECT_EQ(j["models"]["GEO"]["information"]["parameters"], 2);
    EXPECT_NEAR(j["models"]["GEO"]["information"]["aic"].get<double>(), 1937.03, 0.01);
    EXPECT_TRUE(j["models"]["GEO"]["information"]["psse"].is_number());
    EXPECT_FALSE(
        json::parse(RunBatchProgram({"--json", "--models", "GEO", TestData("sys1_tbf.txt")})
                        .out)["models"]["GEO"]
            .contains("information"));
}

TEST(BatchOutput, CompareUnderLeastSquaresGivesNullsWithReasons) {
    const auto run = RunBatchProgram(
        {"--json", "--compare", "--method", "ls", "--models", "GEO,JAM", TestData("ntds_tbf.txt")});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto j = json::parse(run.out);
    EXPECT_TRUE(j["models"]["GEO"]["information"]["aic"].is_null());
    EXPECT_EQ(j["models"]["GEO"]["information"]["reason"],
              "n/a under least squares (no likelihood)");
    EXPECT_TRUE(j["recommended"]["model"].is_null());
    EXPECT_EQ(RunBatchProgram({"--compare", "--hold-out", "1.5", TestData("ntds_tbf.txt")}).status,
              2);
}

}  // namespace

namespace {

TEST(BatchOutput, JsonVersionTwoNamesEachQuantityAModelProducesAndEachFailure) {
    const auto run = RunBatchProgram(
        {"--json", "--json-version", "2", "--models", "all", TestData("ntds_tbf.txt")});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto j = json::parse(run.out);
    EXPECT_EQ(j["schema"], "varnok3-results");
    EXPECT_EQ(j["data"]["count"], 26);
    std::map<std::string, json> bySlot;
    for (const auto& m : j["models"]) bySlot[m["slot"]] = m;
    ASSERT_EQ(bySlot.size(), 7u);
    const auto quantities = [&](const std::string& slot) {
        std::vector<std::string> q;
        for (const auto& e : bySlot[slot]["estimates"]) q.push_back(e["quantity"]);
        return q;
    };
    const auto geo = quantities("GEO"), jam = quantities("JAM");
    EXPECT_EQ(std::count(geo.begin(), geo.end(), "Total Number of Faults"), 0);
    EXPECT_EQ(std::count(jam.begin(), jam.end(), "Total Number of Faults"), 1);
    EXPECT_EQ(bySlot["GEO"]["name"], "Geometric Model");
    for (const auto& [slot, m] : bySlot) {
        if (m["status"]["word"] == "failed") {
            EXPECT_TRUE(m["estimates"].empty()) << slot;
            EXPECT_FALSE(m["reason"].get<std::string>().empty()) << slot;
        }
    }
    // The first layout stays the default.
    const auto v1 =
        json::parse(RunBatchProgram({"--json", "--models", "GEO", TestData("ntds_tbf.txt")}).out);
    EXPECT_FALSE(v1.contains("schema"));
    EXPECT_TRUE(v1["models"].is_object());
}

}  // namespace

namespace {

std::vector<std::vector<std::string>> CsvRows(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        rows.emplace_back();
        std::stringstream cells(line);
        for (std::string cell; std::getline(cells, cell, ',');) rows.back().push_back(cell);
    }
    return rows;
}

TEST(BatchOutput, CsvTablesHoldTheJsonValuesAndAMissingFolderIsAnError) {
    TempDir dir;
    const std::vector<std::string> args{"--models",       "GEO,JAM", "--json",
                                        "--json-version", "2",       TestData("sys1_tbf.txt")};
    std::vector<std::string> withCsv = args;
    withCsv.insert(withCsv.begin(), {"--csv-out", dir.path().string()});
    const auto run = RunBatchProgram(withCsv);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("table: "), std::string::npos);
    const auto j = json::parse(run.out);
    for (const auto& m : j["models"]) {
        const std::string slot = m["slot"];
        if (m["estimates"].empty()) continue;
        const auto rows = CsvRows(dir.path() / ("sys1_tbf-" + slot + "-estimates.csv"));
        ASSERT_EQ(rows.size(), m["estimates"].size() + 1) << slot;
        for (std::size_t i = 0; i < m["estimates"].size(); ++i) {
            EXPECT_EQ(rows[i + 1][0], m["estimates"][i]["quantity"]);
            EXPECT_EQ(std::stod(rows[i + 1][2]), m["estimates"][i]["estimate"].get<double>());
        }
    }
    const auto summary = CsvRows(dir.path() / "sys1_tbf-summary.csv");
    ASSERT_EQ(summary.size(), 8u);  // heading and the seven slots
    EXPECT_EQ(summary[1][0], "GEO");

    const auto missing = RunBatchProgram(
        {"--csv-out", (dir.path() / "none").string(), "--models", "GEO", TestData("sys1_tbf.txt")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("not a folder"), std::string::npos);
}

}  // namespace

namespace {

TEST(BatchOutput, SkippedRefitsLetNtdsBeRankedAndSaySoInReportAndJson) {
    const std::vector<std::string> args{"--models", "GEO,JAM", "--measures", "accuracy",
                                        TestData("ntds_tbf.txt")};
    std::vector<std::string> skip = args;
    skip.insert(skip.begin(), {"--refits", "skip"});
    const auto text = RunBatchProgram(skip);
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("      GEO    Accuracy  9 of 13 refits failed\n"), std::string::npos);
    skip.insert(skip.begin(), "--json");
    const auto j = json::parse(RunBatchProgram(skip).out);
    EXPECT_EQ(j["models"]["GEO"]["applicability"]["accuracy"]["failed_refits"], 9);
    EXPECT_GT(j["models"]["GEO"]["applicability"]["accuracy"]["rank"], 0);
    std::vector<std::string> stop = args;
    stop.insert(stop.begin(), "--json");
    const auto standard = json::parse(RunBatchProgram(stop).out);
    EXPECT_FALSE(standard["models"]["GEO"]["applicability"]["accuracy"].contains("failed_refits"));
    EXPECT_EQ(standard["models"]["GEO"]["applicability"]["accuracy"]["rank"], 0);

    // Interval accuracy analyses skip the same way: DATA4 gets a rank for every model.
    const auto interval = json::parse(
        RunBatchProgram({"--json", "--refits", "skip", "--kind", "interval", "--models", "all",
                         "--measures", "accuracy", TestData("data4_interval.txt")})
            .out);
    for (const char* slot : {"BM-B", "BM-P", "GP-2", "NHP", "S-T1", "YAM"})
        EXPECT_GT(interval["models"][slot]["overall_rank"], 0) << slot;
    EXPECT_EQ(interval["models"]["BM-B"]["applicability"]["accuracy"]["failed_refits"], 2);
}

}  // namespace

namespace vnk::test {
namespace {

TEST(BatchJsonNulls, EachNonFiniteValueGetsItsReasonAndOtherEntriesStayAsTheyWere) {
    nlohmann::ordered_json model = {
        {"status", 0}, {"stats", {{1.0, std::nan("")}, {2.0, 3.0}}}, {"ks_distance", HUGE_VAL}};
    batch::AddNullReasons(model);
    ASSERT_TRUE(model.contains("null_reasons"));
    const auto& reasons = model["null_reasons"];
    EXPECT_EQ(reasons.size(), 2u);
    EXPECT_EQ(reasons["stats/0/1"], "could not be computed (the result is not a number)");
    EXPECT_EQ(reasons["ks_distance"],
              "could not be computed (the result overflows the range of numbers)");
    EXPECT_NE(model.dump().find("\"ks_distance\":null"), std::string::npos);

    nlohmann::ordered_json finite = {{"stats", {1.0, 2.0}}, {"reason", nullptr}};
    const std::string before = finite.dump();
    batch::AddNullReasons(finite);
    EXPECT_EQ(finite.dump(), before);  // a deliberate null is not a failed computation
}

}  // namespace
}  // namespace vnk::test
