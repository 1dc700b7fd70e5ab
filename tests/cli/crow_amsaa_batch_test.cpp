#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "tests/cli/run_batch.h"

namespace {

using nlohmann::json;
using vnk::test::RunBatchProgram;
using vnk::test::TempDir;

const std::string kHandbook = std::string(VARNOK_TEST_DATA_DIR) + "/mil_hdbk_189_tbf.txt";
const std::vector<std::string> kHandbookRead{"--layout",         "1",  "--history", "hardware",
                                             "--failure-at-end", "no", "--models",  "crow-amsaa"};

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(BatchCrowAmsaa, HandbookExampleInTextAndJson) {
    const auto text =
        RunBatchProgram(With(kHandbookRead, {"--predict", "crow-amsaa 1 1000", kHandbook}));
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("46 failure times, time-truncated at T = 3000.000000"),
              std::string::npos);
    EXPECT_NE(text.out.find("Shape parameter (beta)                       0.616466"),
              std::string::npos);
    EXPECT_NE(text.out.find("In a further test time of 1000.000000"), std::string::npos);

    const auto run = RunBatchProgram(
        With(kHandbookRead, {"--confidence", "0.95", "--one-sided", "--json", kHandbook}));
    ASSERT_EQ(run.status, 0) << run.err;
    const json c = json::parse(run.out)["hardware"]["crow_amsaa"];
    EXPECT_EQ(c["status"], 0);
    EXPECT_EQ(c["truncation"], "time");
    EXPECT_EQ(c["sides"], "one");
    EXPECT_NEAR(c["beta"].get<double>(), 0.616, 5e-4);
    EXPECT_NEAR(c["lambda"].get<double>(), 0.3305, 5e-5);
    EXPECT_LT(c["instantaneous_mtbf_bounds"][0].get<double>(),
              c["instantaneous_mtbf"].get<double>());
    EXPECT_EQ(c["cramer_von_mises"]["m"], 46);
    EXPECT_EQ(c["trend_test"]["dof"], 92);
}

TEST(BatchCrowAmsaa, GroupedHardwareIntervals) {
    TempDir dir;
    const auto file = (dir.path() / "groups.txt").string();
    std::ofstream(file) << "20 13\n20 16\n20 5\n20 8\n20 7\n";
    const auto run =
        RunBatchProgram({"--kind", "hardware-interval", "--models", "crow-amsaa", "--json", file});
    ASSERT_EQ(run.status, 0) << run.err;
    const json c = json::parse(run.out)["hardware"]["crow_amsaa"];
    EXPECT_EQ(c["grouped"], true);
    EXPECT_NEAR(c["beta"].get<double>(), 0.75285088677, 5e-11);
    EXPECT_EQ(c["chi_square"]["dof"], 3);
    // The discrete model is not run unless asked for, nor is the tracking notice shown.
    EXPECT_FALSE(json::parse(run.out)["hardware"].contains("discrete"));
    EXPECT_EQ(run.err, "");
}

TEST(BatchCrowAmsaa, FailedFitIsAResult) {
    TempDir dir;
    const auto file = (dir.path() / "none.txt").string();
    std::ofstream(file) << "20 0\n20 0\n";
    const auto run =
        RunBatchProgram({"--kind", "hardware-interval", "--models", "crow-amsaa", file});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("The Crow-AMSAA model cannot be fitted to these data: no interval has a "
                           "failure."),
              std::string::npos);
}

TEST(BatchCrowAmsaa, UsageErrors) {
    auto run = RunBatchProgram(With(kHandbookRead, {"--confidence", "0.8", kHandbook}));
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "varnok3-batch: --confidence: expected 0.90 or 0.95\n");
    run = RunBatchProgram({"--layout", "1", "--history", "hardware", "--failure-at-end", "no",
                           "--models", "projection", "--predict", "crow-amsaa 1 10", kHandbook});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "varnok3-batch: --predict: CROW-AMSAA is not among the models run\n");
    run = RunBatchProgram(With(kHandbookRead, {"--predict", "crow-amsaa 4 10", kHandbook}));
    EXPECT_EQ(run.err, "varnok3-batch: --predict: CROW-AMSAA has questions 1 to 3\n");
    run = RunBatchProgram({"--models", "crow-amsaa", kHandbook});  // software history
    EXPECT_EQ(run.status, 2);
}

}  // namespace
