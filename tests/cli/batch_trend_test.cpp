// --trend: the TREND ANALYSIS block and the "trend" object of the JSON document.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "tests/cli/run_batch.h"

namespace {

using vnk::test::RunBatchProgram;
using vnk::test::TempDir;
using vnk::test::TestData;
using Json = nlohmann::ordered_json;

std::vector<std::string> keysOf(const Json& j) {
    std::vector<std::string> keys;
    for (const auto& [key, value] : j.items()) keys.push_back(key);
    return keys;
}

TEST(BatchTrend, AloneItPrintsTheBlockAndWithModelsItComesFirst) {
    const auto alone = RunBatchProgram({"--trend", TestData("ntds_tbf.txt")});
    ASSERT_EQ(alone.status, 0) << alone.err;
    EXPECT_EQ(alone.out.rfind("\n\n    TREND ANALYSIS\n\n"
                              "      Data                        Times between failures\n"
                              "      Number of Failures                    26\n",
                              0),
              0u);
    EXPECT_EQ(alone.out.find('\f'), std::string::npos);
    EXPECT_NE(alone.out.find("      The data show reliability growth (Laplace factor -2.45 at "
                             "the last failure).\n"),
              std::string::npos);
    // Row of failure 1 has no factor; row 2 is failure-truncated at T_2 = 21:
    // (9 - 10.5) / (21 sqrt(1/12)) = -0.247.
    EXPECT_NE(alone.out.find("             1                            9.000\n"
                             "             2          -0.247           10.500\n"),
              std::string::npos);

    const auto both = RunBatchProgram({"--trend", "--models", "GEO", TestData("ntds_tbf.txt")});
    ASSERT_EQ(both.status, 0) << both.err;
    const auto plain = RunBatchProgram({"--models", "GEO", TestData("ntds_tbf.txt")});
    EXPECT_EQ(both.out, alone.out + "\f" + plain.out);
}

TEST(BatchTrend, JsonAddsTheTrendObjectAfterTheOtherKeys) {
    const auto run =
        RunBatchProgram({"--trend", "--models", "GEO", "--json", TestData("sys1_tbf.txt")});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto j = Json::parse(run.out);
    EXPECT_EQ(keysOf(j), (std::vector<std::string>{"kind", "history", "count", "statistics",
                                                   "models", "hardware", "trend"}));
    const Json& t = j["trend"];
    EXPECT_EQ(keysOf(t), (std::vector<std::string>{"laplace_factor", "running_average",
                                                   "laplace_end", "verdict"}));
    ASSERT_EQ(t["laplace_factor"].size(), 135u);
    ASSERT_EQ(t["running_average"].size(), 136u);
    EXPECT_EQ(t["laplace_factor"][0][0], 2);
    EXPECT_EQ(t["running_average"][135][0], 136);
    // SYS1: 136 failures in 88682 CPU seconds.
    EXPECT_DOUBLE_EQ(t["running_average"][135][1].get<double>(), 88682.0 / 136.0);
    EXPECT_EQ(t["laplace_end"], t["laplace_factor"][134][1]);
    EXPECT_LT(t["laplace_end"].get<double>(), -1.96);
    EXPECT_EQ(t["verdict"], "growth");

    // Without --trend the document is as before.
    const auto before = RunBatchProgram({"--models", "GEO", "--json", TestData("sys1_tbf.txt")});
    auto without = j;
    without.erase("trend");
    EXPECT_EQ(Json::parse(before.out), without);
}

TEST(BatchTrend, HardwareHistoryAddsTheMilHdbk189Test) {
    // NIST/SEMATECH e-Handbook 8.2.3.4 repair data: ages 5 ... 1478, the test ended at 1500
    // (the last line is the failure-free time). Statistic 2 sum ln(1500/T_i) = 37.2281 from
    // the handbook's printed beta 0.516494 (see the numerics tests).
    const auto run = RunBatchProgram({"--trend", "--json", "--history", "hardware",
                                      "--failure-at-end", "no", TestData("nist_repair_tbf.txt")});
    ASSERT_EQ(run.status, 0) << run.err;
    const Json t = Json::parse(run.out)["trend"];
    EXPECT_NEAR(t["mil_hdbk_189"]["statistic"].get<double>(), 37.2281, 1e-4);
    EXPECT_EQ(t["mil_hdbk_189"]["dof"], 20);
    EXPECT_NEAR(t["mil_hdbk_189"]["p_value"].get<double>(), 0.021973, 3e-5);
    EXPECT_NEAR(t["laplace_time_truncated"].get<double>(), -1.326949, 1e-6);

    const auto text = RunBatchProgram({"--trend", "--history", "hardware", "--failure-at-end", "no",
                                       TestData("nist_repair_tbf.txt")});
    EXPECT_NE(text.out.find("     MIL-HDBK-189 Test\n\n"
                            "      Chi-Square Statistic              37.228\n"
                            "      Degrees of Freedom                    20\n"
                            "      P-Value (two-sided)               0.0220\n"),
              std::string::npos);
}

TEST(BatchTrend, UnequalIntervalsAreNamedAndTooFewDataGiveAReason) {
    const auto interval =
        RunBatchProgram({"--trend", "--kind", "interval", TestData("data4_interval.txt")});
    ASSERT_EQ(interval.status, 0) << interval.err;
    EXPECT_NE(interval.out.find("      Unequal interval lengths: failures are placed at the "
                                "interval midpoints.\n"),
              std::string::npos);
    EXPECT_NE(interval.out.find("      Interval  Laplace Factor  Failures/Length\n"),
              std::string::npos);

    TempDir dir;
    const auto file = dir.path() / "two.txt";
    std::ofstream(file) << "5\n6\n";
    const auto json = RunBatchProgram({"--trend", "--json", file.string()});
    ASSERT_EQ(json.status, 0) << json.err;
    const Json t = Json::parse(json.out)["trend"];
    EXPECT_EQ(t["verdict"], "none");
    EXPECT_EQ(t["reason"], "Too few data for a trend test");
    EXPECT_TRUE(t["laplace_end"].is_null());
    EXPECT_TRUE(t["laplace_factor"].empty());
    const auto text = RunBatchProgram({"--trend", file.string()});
    EXPECT_NE(text.out.find("\n      Too few data for a trend test.\n"), std::string::npos);
}

}  // namespace
