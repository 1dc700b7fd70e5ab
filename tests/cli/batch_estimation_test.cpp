// --estimation: the standard mode is the default; the robust mode only adds its marks where the
// estimates agree (SYS1 in seconds is bracketed and solved alike in both modes).
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "tests/cli/run_batch.h"

namespace vnk::test {
namespace {

constexpr const char* kMark = "estimated with the robust search";

std::string WithoutMarks(std::string text) {
    const std::string line = std::string(kMark) + "\n";
    for (auto at = text.find(line); at != std::string::npos; at = text.find(line))
        text.erase(at, line.size());
    return text;
}

int CountOf(const std::string& text, const std::string& what) {
    int count = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
    return count;
}

TEST(BatchEstimation, RobustAddsOneLineToEachSearchedModelAndNothingElse) {
    const std::string data = TestData("sys1_tbf.txt");
    const auto standard = RunBatchProgram({"--models", "all", data});
    const auto robust = RunBatchProgram({"--models", "all", "--estimation", "robust", data});
    ASSERT_EQ(standard.status, 0) << standard.err;
    ASSERT_EQ(robust.status, 0) << robust.err;
    EXPECT_EQ(CountOf(standard.out, kMark), 0);
    // GEO, JAM, Musa basic, Musa log, NHPP; the two Littlewood and Verrall fits by restarts.
    EXPECT_EQ(CountOf(robust.out, kMark), 7);
    EXPECT_EQ(WithoutMarks(robust.out), standard.out);

    const auto json =
        RunBatchProgram({"--models", "GEO", "--json", "--estimation", "robust", data});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_NE(json.out.find(std::string("\"estimation\": \"") + kMark + "\""), std::string::npos)
        << json.out.substr(0, 200);
    const auto plainJson = RunBatchProgram({"--models", "GEO", "--json", data});
    EXPECT_EQ(plainJson.out.find("\"estimation\""), std::string::npos);
}

// SYS1 with its times in microseconds: the rates of Musa basic, Musa logarithmic and the NHPP
// fall far below the root search's absolute tolerance.
std::string Sys1InMicroseconds() {
    const std::string path = ::testing::TempDir() + "sys1_microseconds.txt";
    std::ifstream in(TestData("sys1_tbf.txt"));
    std::ofstream out(path);
    for (double t; in >> t;) out << t * 1e6 << "\n";
    return path;
}

TEST(BatchEstimation, CoarseToleranceIsNotedOnStderrAndInJsonButNotInTheReport) {
    const std::string data = Sys1InMicroseconds();
    const auto text = RunBatchProgram({"--models", "all", data});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.err.find("MUS: the estimate is accurate to fewer digits"), std::string::npos)
        << text.err;
    EXPECT_NE(text.err.find("--estimation robust"), std::string::npos);
    EXPECT_EQ(text.err.find("GEO:"), std::string::npos) << "phi is a ratio, solved finely";
    EXPECT_EQ(text.out.find("fewer digits"), std::string::npos);

    for (const char* layout : {"1", "2"}) {
        const auto json =
            RunBatchProgram({"--models", "all", "--json", "--json-version", layout, data});
        ASSERT_EQ(json.status, 0) << json.err;
        EXPECT_EQ(CountOf(json.out, "\"tolerance\""), 3) << layout;  // MUS, MSA, NPT
    }
    const auto robust =
        RunBatchProgram({"--models", "all", "--json", "--estimation", "robust", data});
    EXPECT_EQ(robust.err.find("fewer digits"), std::string::npos) << robust.err;
    EXPECT_EQ(robust.out.find("\"tolerance\""), std::string::npos);
}

TEST(BatchEstimation, RobustMarksTheIntervalModelsThatSolveOneRoot) {
    const std::string data = TestData("sys1_interval.txt");
    const auto robust =
        RunBatchProgram({"--kind", "interval", "--models", "all", "--estimation", "robust", data});
    ASSERT_EQ(robust.status, 0) << robust.err;
    // GP-1, GP-2, NHP, S-T1 and YAM by the root search, the two Brooks and Motley models and
    // GP-3 by restarts of the trust region.
    EXPECT_EQ(CountOf(robust.out, kMark), 8);
    const auto standard = RunBatchProgram({"--kind", "interval", "--models", "all", data});
    EXPECT_EQ(CountOf(standard.out, kMark), 0);
}

TEST(BatchEstimation, AnUnknownModeIsAUsageError) {
    const auto run =
        RunBatchProgram({"--models", "GEO", "--estimation", "exact", TestData("sys1_tbf.txt")});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("--estimation"), std::string::npos);
}

}  // namespace
}  // namespace vnk::test
