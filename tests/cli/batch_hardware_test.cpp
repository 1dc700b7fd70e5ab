#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "execution/hardware_execution.h"
#include "tests/cli/run_batch.h"

namespace {

using nlohmann::json;
using vnk::test::RunBatchProgram;
using vnk::test::TempDir;

class BatchHardware : public ::testing::Test {
  protected:
    std::string write(const std::string& name, const std::string& text) {
        std::ofstream(dir.path() / name) << text;
        return (dir.path() / name).string();
    }
    TempDir dir;
};

TEST_F(BatchHardware, ProjectionOverHardwareFailureModes) {
    // time of first occurrence, failure type (hardware), severity, failures, effectiveness
    const auto file = write("modes.v3d", "10 1 1 2 1.0\n30 1 1 1 1.0\n60 1 1 3 1.0\n");
    const auto run =
        RunBatchProgram({"--models", "projection", "--test-time", "200", "--json", file});
    ASSERT_EQ(run.status, 0) << run.err;
    const json j = json::parse(run.out);
    EXPECT_EQ(j["kind"], "tbf");
    EXPECT_EQ(j["history"], "hardware");
    EXPECT_EQ(j["models"]["GEO"]["status"], 3);
    const json& p = j["hardware"]["projection"];
    // Every fix fully effective and no A-mode failures: the rate is h = K beta / T alone.
    EXPECT_DOUBLE_EQ(p["rate"].get<double>(), p["new_b_intensity"].get<double>());
    EXPECT_NEAR(p["rate"].get<double>(), 3.0 * p["beta"].get<double>() / 200.0, 1e-15);

    const auto text = RunBatchProgram({"--models", "all", "--test-time", "200", file});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("AMSAA / CROW Reliability Growth Projection Model"), std::string::npos);
    EXPECT_NE(text.out.find("Model Shape Parameter (Beta):"), std::string::npos);
}

TEST_F(BatchHardware, ProjectionNeedsEveryHardwarePair) {
    const auto file = write("incomplete.v3d", "10 1 1 2 0.5\n30 1 1\n");
    const auto run = RunBatchProgram({"--models", "projection", file});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "varnok3-batch: Either your data is incomplete or the selected model is not "
              "implemented.\n");
}

TEST_F(BatchHardware, DiscreteModelOverUnitsOnTestAndFailing) {
    const auto file = write("trials.txt", "10 6\n\n12 5\n15 4\n20 3\n20 2\n");
    const auto run =
        RunBatchProgram({"--kind", "hardware-interval", "--models", "discrete", "--json", file});
    ASSERT_EQ(run.status, 0) << run.err;
    const json j = json::parse(run.out);
    EXPECT_EQ(j["kind"], "hardware-interval");
    EXPECT_EQ(j["count"], 5);  // the blank line is skipped
    EXPECT_TRUE(j["models"].empty());
    const json& d = j["hardware"]["discrete"];
    EXPECT_EQ(d["trials"], 77.0);
    EXPECT_EQ(d["failures"], 20.0);
    EXPECT_EQ(d["error"], 0);
    EXPECT_GT(d["reliability"].get<double>(), 0.0);

    // Every trial failing is the model's own error: a result, with its message on stderr.
    const auto failing = write("failing.txt", "5 5\n5 5\n");
    const auto all =
        RunBatchProgram({"--kind", "hardware-interval", "--models", "all", "--json", failing});
    ASSERT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(json::parse(all.out)["hardware"]["discrete"]["error"], 1);
    EXPECT_EQ(all.err,
              "varnok3-batch: AMSAA Discrete Reliability Growth Model: This model returned an "
              "error status.\n"
              "varnok3-batch: Growth tracking Model - Continuous: This Model has not been "
              "implemented.\n");
}

}  // namespace
