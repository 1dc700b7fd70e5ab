// --estimation: the standard mode is the default; the robust mode only adds its marks where the
// estimates agree (SYS1 in seconds is bracketed and solved alike in both modes).
#include <gtest/gtest.h>

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

TEST(BatchEstimation, RobustAddsOneLineToEachOneRootModelAndNothingElse) {
    const std::string data = TestData("sys1_tbf.txt");
    const auto standard = RunBatchProgram({"--models", "all", data});
    const auto robust = RunBatchProgram({"--models", "all", "--estimation", "robust", data});
    ASSERT_EQ(standard.status, 0) << standard.err;
    ASSERT_EQ(robust.status, 0) << robust.err;
    EXPECT_EQ(CountOf(standard.out, kMark), 0);
    EXPECT_EQ(CountOf(robust.out, kMark), 5);  // GEO, JAM, Musa basic, Musa log, NHPP
    EXPECT_EQ(WithoutMarks(robust.out), standard.out);

    const auto json = RunBatchProgram({"--models", "GEO", "--json", "--estimation", "robust", data});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_NE(json.out.find(std::string("\"estimation\": \"") + kMark + "\""), std::string::npos)
        << json.out.substr(0, 200);
    const auto plainJson = RunBatchProgram({"--models", "GEO", "--json", data});
    EXPECT_EQ(plainJson.out.find("\"estimation\""), std::string::npos);
}

TEST(BatchEstimation, AnUnknownModeIsAUsageError) {
    const auto run =
        RunBatchProgram({"--models", "GEO", "--estimation", "exact", TestData("sys1_tbf.txt")});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("--estimation"), std::string::npos);
}

}  // namespace
}  // namespace vnk::test
