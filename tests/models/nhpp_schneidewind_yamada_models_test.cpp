#include "models/nhpp_schneidewind_yamada_models.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "models/hardware_models.h"
#include "numerics/nhpp_interval.h"
#include "numerics/schneidewind.h"

namespace {

using namespace vnk::models;

vnk::IntervalStats Stats(std::initializer_list<std::tuple<int, double, double, double>> rows) {
    vnk::IntervalStats s;
    for (const auto& [row, e, lo, hi] : rows) {
        s(row, 1) = e;
        s(row, 2) = lo;
        s(row, 3) = hi;
    }
    return s;
}

const char* const kEstimationHeading =
    "    ESTIMATIONS                       Estimate  95% Confidence Interval\n"
    "                                  ------------  -----------------------\n\n";

TEST(NhppIntervalReport, EstimationBlockAndPredictionLines) {
    ModelContext ctx;
    ctx.intervalStats = Stats({{3, 0.0263568, 0.0182047, 0.0345088},
                               {5, 458.6255, 372.1841, 545.0668},
                               {6, 130.6255, 44.1841, 217.0668}});
    const ModelDescription d = NhppIntervalModel();
    EXPECT_EQ(d.title, "Non-homogeneous Poisson Model for Interval Data");
    EXPECT_EQ(d.estimationBlock(ctx),
              std::string("    NON-HOMOGENEOUS POISSON MODEL\n") + kEstimationHeading +
                  "      Proportionality Constant           0.026       (0.018,0.035)\n\n"
                  "      Total Number of Faults             458.6       (372.2,545.1)\n"
                  "      TNOF Remaining                     130.6       (44.2,217.1)\n\n\n");
    // Prediction 2 needs a number of faults and a positive length.
    EXPECT_EQ(d.predictionLines(ctx, {{{0.0}, {5.0, 0.0}}, {{0.0}, {0.0}}}), "");
    EXPECT_EQ(d.predictionLines(ctx, {{{2.5}, {5.0, -1.0}}, {{7.25}, {3.0}}}),
              "    PREDICTIONS\n\n"
              "      For the next testing period of length 2.5  The expected number of faults "
              "is 7.2\n\n");
    EXPECT_EQ(d.predictionLines(ctx, {{{2.5}, {5.0, 1.0}}, {{7.25}, {3.0}}}),
              "    PREDICTIONS\n\n"
              "      For the next testing period of length 2.5  The expected number of faults "
              "is 7.2\n\n"
              "      For the next 5.0 faults to be discovered, if the testing length is expected "
              "to be\n        1.0  The expected number of periods is 3.0\n\n");
}

TEST(NhppIntervalReport, ErrorTextsOfTheSharedErrorBox) {
    const ModelDescription d = NhppIntervalModel();
    const std::string head = "\r\nModel Execution Returned Error:\r\n";
    EXPECT_EQ(d.errorText(1), head + "The Maximum Iteration Count was reached.");
    EXPECT_EQ(d.errorText(2), head + "The Trust region could not be adjusted properly.");
    EXPECT_EQ(d.errorText(3), head + "The Data are not appropriate for the model.");
    EXPECT_EQ(d.errorText(4),
              head + "The Total Faults estimate was less than the observed faults to date.");
    EXPECT_EQ(ErrorReport(d.errorText(3)),
              "    ERRORS OCCURRED\n\n      Model Execution Returned Error:\n      The Data are "
              "not appropriate for the model.");
}

TEST(NhppIntervalQuestions, RunRulesAndPeriodMessages) {
    ModelContext ctx;
    ctx.counts = {15, 29, 22, 37, 2, 5, 36, 29, 4, 27, 17, 32, 0, 15, 11, 6, 2, 7, 6};
    ctx.lengths = {2.45, 2.45, 1.96, 0.98, 1.68, 4.21, 2.45, 2.45, 2.45, 2.45,
                   2.45, 2.45, 2.45, 2.45, 2.45, 2.45, 2.45, 2.45, 2.45};
    ctx.NS = static_cast<int>(ctx.counts.size());
    std::vector<double> T;
    double sum = 0;
    for (double l : ctx.lengths) T.push_back(sum += l);
    int rflag = -1;
    vnk::SNPIMD(1, ctx.NS, ctx.counts, T, ctx.intervalStats, rflag);
    ASSERT_EQ(rflag, 0);
    const ModelDescription d = NhppIntervalModel();
    EXPECT_TRUE(d.runEnabled(ctx));

    const PredictionOutcome none = d.predictions[0].answer(ctx, {0.0}, {4.0});
    EXPECT_FALSE(none.computed);
    EXPECT_EQ(none.outputs, std::vector<double>{4.0});
    EXPECT_TRUE(d.predictions[0].answer(ctx, {1.0}, {0.0}).computed);

    ctx.scalars["PMAX"] = 3.0;
    const PredictionOutcome pmax = d.predictions[1].answer(ctx, {50.0, 1.0}, {9.0});
    EXPECT_EQ(pmax.errorMessage, "PMAX exceeded.");
    EXPECT_EQ(pmax.errorCaption, "Non-homogeneous Poisson Model - Prediction 2");
    EXPECT_EQ(pmax.outputs, std::vector<double>{0.0});
    const PredictionOutcome above = d.predictions[1].answer(ctx, {1e6, 1.0}, {9.0});
    EXPECT_EQ(above.errorMessage, "Input Greater than TNOFR.");

    ctx.intervalStats(6, 1) = 0.4;
    EXPECT_FALSE(d.runEnabled(ctx));
}

TEST(SchneidewindReport, TreatmentBlockAndPredictionLines) {
    ModelContext ctx;
    ctx.intervalStats = Stats({{1, 24.0973, 0, 0},
                               {2, 0.0499015, 0, 0},
                               {5, 482.898, 0, 0},
                               {6, 1.898, 0, 0},
                               {7, 0.0, 0, 0},
                               {8, 4.86219, 0, 0},
                               {9, -1.0, 0, 0}});
    const ModelDescription d = SchneidewindModel(3);
    EXPECT_EQ(d.code, "S-T3");
    EXPECT_EQ(d.title, "The Schneidewind Model - Treatment Type 3");
    EXPECT_EQ(d.errorTitle, "Schneidewind's Model");
    EXPECT_EQ(d.estimationBlock(ctx),
              std::string("    NORM SCHNEIDEWIND'S MODEL - Treatment Type 3\n") +
                  kEstimationHeading +
                  "      Alpha                             24.097\n"
                  "      Beta                               0.050\n\n"
                  "      Total Number of Faults             482.9\n"
                  "      TNOF Remaining                       1.9\n\n"
                  "      Weighted Sum-of-squares Between\n"
                  "       Predicted and Observed Faults     0.000\n\n"
                  "      Mean Square Error for\n"
                  "       Cumulative Faults                 4.862\n\n"
                  "      Mean Square Error for\n"
                  "       Time to Next Failure             -1.000\n\n\n");
    EXPECT_EQ(d.predictionLines(ctx, {{{0.0}, {1.0}}, {{0.0}, {12.5}}}),
              "    PREDICTIONS\n\n"
              "      For the next 1.0 faults to be discovered  The expected number of periods "
              "is 12.5\n\n");
    EXPECT_EQ(d.predictionLines(ctx, {{{0.0}, {0.0}}, {{0.0}, {0.0}}}), "");
    EXPECT_EQ(d.errorText(3),
              "\r\nModel Execution Returned Error:\r\nThe Data are not appropriate for the "
              "model.");
    EXPECT_EQ(d.errorText(4),
              "\r\nModel Execution Returned Error:\r\nThe Total Faults estimate was less than "
              "the observed faults to date.");
}

TEST(SchneidewindQuestions, UseTheTreatmentsS) {
    ModelContext ctx;
    ctx.counts = {9, 8, 8, 6, 5, 5, 4, 3, 3, 2, 2, 1};
    ctx.NS = 12;
    ctx.scalars["TSS"] = 4;
    int rflag = -1;
    vnk::SSDWMD(ctx.NS, ctx.counts, 2, 4, ctx.intervalStats, rflag);
    ASSERT_EQ(rflag, 0);
    const ModelDescription d = SchneidewindModel(2);
    double direct = 0;
    vnk::SSDWP1(ctx.NS, 3.0, ctx.intervalStats, 2, 4, direct);
    EXPECT_EQ(d.predictions[0].answer(ctx, {3.0}, {0.0}).outputs, std::vector<double>{direct});
    const double remaining = ctx.intervalStats(6, 1);
    const PredictionOutcome never = d.predictions[1].answer(ctx, {remaining + 0.2}, {5.0});
    EXPECT_EQ(never.errorMessage, "The estimate cannot be made for the specified value.");
    EXPECT_EQ(never.errorCaption, "Schneidewind's Model - Prediction 2");
    EXPECT_EQ(never.outputs, std::vector<double>{0.0});
}

TEST(YamadaReport, EstimationBlockAndThreePredictions) {
    ModelContext ctx;
    ctx.intervalStats = Stats({{3, 0.0916774, 0.0820547, 0.1013},
                               {5, 351.9405, 328.0, 391.0275},
                               {6, 23.9405, 0.0, 63.0275}});
    const ModelDescription d = YamadaModel();
    EXPECT_EQ(d.title, "Yamada's S - Shaped Reliability Growth Model");
    EXPECT_EQ(d.plotTitle, "Yamada's S - Shaped Model");
    EXPECT_EQ(d.estimationBlock(ctx),
              std::string("    YAMADA'S S-SHAPED RELIABILITY GROWTH MODEL\n") + kEstimationHeading +
                  "      Proportionality Constant           0.092       (0.082,0.101)\n\n"
                  "      Total Number of Faults             351.9       (328.0,391.0)\n"
                  "      TNOF Remaining                      23.9       (0.0,63.0)\n\n\n");
    EXPECT_EQ(d.predictionLines(ctx, {{{1.0}, {2.0, 3.0}, {0.5}}, {{4.0}, {6.0}, {0.25}}}),
              "    PREDICTIONS\n\n"
              "      For the next testing period of length 1.0  The expected number of faults "
              "is 4.0\n\n"
              "      For the next 2.0 faults to be discovered, if the testing length is expected "
              "to be\n        3.0  The expected number of periods is 6.0\n\n"
              "      For the next testing period of length of 0.5  The probability of operation "
              "without\n        failure is 0.2\n\n");
    // Prediction 2 needs a positive length.
    EXPECT_EQ(d.predictionLines(ctx, {{{0.0}, {2.0, -3.0}, {0.0}}, {{0.0}, {6.0}, {0.0}}}), "");
    EXPECT_EQ(d.predictions.size(), 3u);
}

TEST(OptimumSReport, ListsTheSWithAFit) {
    const double x = vnk::kNoFit;
    const std::vector<double> S = {1, x, 3}, T = {2.5, x, 1.25}, F = {10, x, 4.5}, R = {10, x, 4.5},
                              A = {15.3146, x, 16.0}, B = {0.0308, x, 0.04};
    EXPECT_EQ(OptimumSInvestigationReport(3, S, T, F, R, A, B),
              "\n\n\n    SCHNEIDEWIND'S OPTIMUM S INVESTIGATION REPORT\n\n"
              "         S         MSE-T         MSE-F         MSE-R         ALPHA          BETA\n"
              "      ----  ------------  ------------  ------------  ------------  ------------\n"
              "\n"
              "         1       2.50000      10.00000      10.00000      15.31460       0.03080\n"
              "         3       1.25000       4.50000       4.50000      16.00000       0.04000\n");
}

TEST(HardwareTexts, ResultFieldsAndMessages) {
    vnk::ProjectionResult r;
    r.beta = 1;
    r.fractionSeen = 7;
    const auto fields = hardware::ProjectionResultFields(r);
    ASSERT_EQ(fields.size(), 7u);
    EXPECT_EQ(fields[0].label, "Model Shape Parameter (Beta):");
    EXPECT_EQ(fields[6].label, "Percent B mode Failure Intensity Seen:");
    EXPECT_EQ(fields[6].value, 7.0);
    const auto discrete = hardware::DiscreteResultFields(68, 16, 0.6, 0.78, 0.81);
    ASSERT_EQ(discrete.size(), 5u);
    EXPECT_EQ(discrete[4].label, "Estimated Reliability of the final configuration:");
    EXPECT_EQ(discrete[4].value, 0.81);

    const auto error = hardware::DiscreteError(vnk::discrete_status::kError);
    EXPECT_EQ(error.text, "This model returned an error status.");
    EXPECT_EQ(error.caption, "AMSAA Discrete Reliability Growth Model");
    EXPECT_EQ(hardware::DiscreteError(vnk::discrete_status::kInvalidData).caption,
              "AMSAA Discrete Reliability Growth Model");
    EXPECT_EQ(hardware::GrowthTrackingNotImplemented().caption,
              "Growth tracking Model - Continuous");
    EXPECT_EQ(hardware::TbfHardwareError().text,
              "Either your data is incomplete or the selected model is not implemented.");
}

}  // namespace
