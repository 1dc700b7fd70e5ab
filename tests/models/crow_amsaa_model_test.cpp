#include "models/crow_amsaa_model.h"

#include <gtest/gtest.h>

#include "tests/numerics/crow_amsaa_fixture.h"

namespace {

using namespace vnk;
using namespace vnk::models;

crow::Analysis Handbook(crow::Settings s = {}) {
    return crow::AnalyseTimes(crow_fixture::kHandbookTimes, crow_fixture::kHandbookEnd, s);
}

TEST(CrowAmsaaModel, ReportOfTheHandbookExample) {
    const std::string report = crow::Report(Handbook(), {});
    EXPECT_NE(report.find("CROW-AMSAA RELIABILITY GROWTH TRACKING MODEL"), std::string::npos);
    EXPECT_NE(report.find("46 failure times, time-truncated at T = 3000.000000"),
              std::string::npos);
    EXPECT_NE(report.find("      Shape parameter (beta)                       0.616466"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("Lower 90% CI"), std::string::npos);
    EXPECT_NE(report.find("(M = 46), critical value 0.173 at the 10% level:\n      the model is "
                          "accepted."),
              std::string::npos)
        << report;
    EXPECT_EQ(report.find("PREDICTIONS"), std::string::npos);
    EXPECT_EQ(report.find("nan"), std::string::npos);
}

TEST(CrowAmsaaModel, SettingsChangeTheBoundsAndHeadings) {
    crow::Analysis a = Handbook();
    const ConfidenceBounds ninety = a.mtbf;
    crow::ApplySettings(a, {0.95, BoundSides::TwoSided});
    EXPECT_LT(a.mtbf.lower, ninety.lower);
    EXPECT_GT(a.mtbf.upper, ninety.upper);
    const auto& d = crow::Description(false, {0.95, BoundSides::OneSided});
    EXPECT_EQ(d.lowerLimitHeading, "Lower 95% Bound");
    EXPECT_EQ(crow::Description(true, {0.90, BoundSides::TwoSided}).upperLimitHeading,
              "Upper 90% CI");
    EXPECT_EQ(&crow::Description(false, {0.95, BoundSides::OneSided}), &d);
}

TEST(CrowAmsaaModel, PredictionsThroughTheDescription) {
    const crow::Analysis a = Handbook();
    const ModelContext ctx = crow::ContextOf(a);
    const auto& d = crow::Description(false, a.settings);
    ASSERT_EQ(d.predictions.size(), 3u);
    const PredictionOutcome further = d.predictions[0].answer(ctx, {1000.0}, {0.0});
    ASSERT_TRUE(further.computed);
    double expected = 0.0;
    int status = 0;
    CrowAmsaaFailuresInFurtherTime(a.fit, 1000.0, expected, status);
    EXPECT_DOUBLE_EQ(further.outputs[0], expected);
    const PredictionOutcome negative = d.predictions[1].answer(ctx, {-5.0}, {0.0});
    EXPECT_FALSE(negative.errorMessage.empty());
    PredictionValues v{{{1000.0}, {0.0}, {0.0}}, {{further.outputs[0]}, {0.0}, {0.0}}};
    EXPECT_NE(crow::Report(a, v).find("In a further test time of 1000.000000"), std::string::npos);
}

TEST(CrowAmsaaModel, FailedFitsReportTheirReason) {
    const crow::Analysis a = crow::AnalyseTimes({1, 2}, 3, {});
    EXPECT_EQ(a.status, crow_amsaa_status::kTooFewFailures);
    EXPECT_NE(crow::Report(a, {}).find("cannot be fitted to these data: it needs at least 3 "
                                       "failures."),
              std::string::npos);
    const crow::Analysis g = crow::AnalyseGrouped({10, 20}, {0, 0}, {});
    EXPECT_EQ(crow::FailureText(g.status),
              "The Crow-AMSAA model cannot be fitted to these data: no interval has a failure.");
    EXPECT_EQ(crow::ContextOf(g).RFLAG, crow_amsaa_status::kNoFailures);
}

}  // namespace
