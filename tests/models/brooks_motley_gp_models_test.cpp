// Screens, predictions and report texts of the Brooks and Motley and generalized Poisson
// models.
#include "models/brooks_motley_gp_models.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using vnk::models::ModelContext;
using vnk::models::PredictionValues;

ModelContext bmContext() {
    ModelContext ctx;
    ctx.NS = 3;
    ctx.counts = {5, 3, 2};
    ctx.lengths = {1, 1, 1};
    ctx.fractions = {1, 0.8, 0.6};
    ctx.corrections = {0, 5, 8};
    ctx.intervalStats(4, 1) = 0.0241;
    ctx.intervalStats(5, 1) = 481.001;
    ctx.intervalStats(6, 1) = 0.001;
    ctx.scalars["PEC"] = 0.85;
    return ctx;
}

TEST(BrooksMotleyModel, EstimationBlocksAreByteExact) {
    const ModelContext ctx = bmContext();
    const std::string body =
        "    ESTIMATIONS                       Estimate  95% Confidence Interval\n"
        "                                  ------------  -----------------------\n"
        "\n"
        "      Prob. of Detecting Faults          0.024\n"
        "\n"
        "      Total Number of Faults             481.0\n"
        "      TNOF Remaining                       0.0\n"
        "\n"
        "\n";
    EXPECT_EQ(vnk::models::BrooksMotleyBinomialModel().estimationBlock(ctx),
              "    BROOKS AND MOTLEY'S DISCRETE SR MODEL - Binomial\n" + body);
    EXPECT_EQ(vnk::models::BrooksMotleyPoissonModel().estimationBlock(ctx),
              "    BROOKS AND MOTLEY'S DISCRETE SR MODEL - Poisson\n" + body);
}

TEST(BrooksMotleyModel, PredictionLinesOnlyForQuestionsWithAllInputsPositive) {
    const auto model = vnk::models::BrooksMotleyBinomialModel();
    const ModelContext ctx = bmContext();
    PredictionValues v;
    v.inputs = {{2.0, 0.5, 30.0}, {3.0, 1.5, 0.5, 30.0}};
    v.outputs = {{4.26}, {7.0}};
    const std::string first =
        "      For the next testing period of length 2.0 and fraction of the program being "
        "tested\n        0.5 with previous faults detected in that section of 30.0  The "
        "expected number\n        of faults is 4.3\n\n";
    const std::string second =
        "      For the next 3.0 faults to be discovered, if the testing length is expected to "
        "be\n        1.5 the fraction of the program being tested is 0.5 with previous faults "
        "detected\n        in that section of 30.0  The expected number of periods is 7.0\n\n";
    EXPECT_EQ(model.predictionLines(ctx, v), "    PREDICTIONS\n\n" + first + second);

    v.inputs[1][3] = 0.0;  // previous faults 0: the second question is skipped
    EXPECT_EQ(model.predictionLines(ctx, v), "    PREDICTIONS\n\n" + first);
    v.inputs[0][0] = 0.0;
    EXPECT_EQ(model.predictionLines(ctx, v), "");
}

TEST(BrooksMotleyModel, RunRulesDefaultsAndMessages) {
    const auto model = vnk::models::BrooksMotleyPoissonModel();
    ModelContext ctx = bmContext();
    ctx.intervalStats(6, 1) = 40.0;
    EXPECT_EQ(model.title, "Brooks and Motley's Discrete SR Model - Poisson");
    EXPECT_EQ(model.predictionsHeading, "Predictons:");
    EXPECT_EQ(model.errorHeading, "Errors:");
    ASSERT_EQ(model.predictions.size(), 2u);
    const auto& expected = model.predictions[0];
    const auto& periods = model.predictions[1];
    // Fraction and previous faults start at the last interval's fraction and M(NS) + C(NS).
    EXPECT_EQ(expected.defaultInputs(ctx), (std::vector<double>{0.0, 0.6, 10.0}));
    EXPECT_EQ(periods.defaultInputs(ctx), (std::vector<double>{0.0, 0.0, 0.6, 10.0}));

    auto skipped = expected.answer(ctx, {0.0, 0.6, 10.0}, {1.5});
    EXPECT_FALSE(skipped.computed);
    EXPECT_EQ(skipped.outputs, std::vector<double>{1.5});
    auto answered = expected.answer(ctx, {1.0, 1.0, 0.0 + 10.0}, {0.0});
    EXPECT_TRUE(answered.computed);
    EXPECT_NEAR(answered.outputs[0], (481.001 - 8.5) * 0.0241, 1e-9);

    auto tooMany = periods.answer(ctx, {41.0, 1.0, 1.0, 10.0}, {3.0});
    EXPECT_EQ(tooMany.errorMessage, "Input Greater than TNOFR.");
    EXPECT_EQ(tooMany.errorCaption, "Brooks and Motley's Model - Prediction 2");
    EXPECT_EQ(tooMany.outputs, std::vector<double>{0.0});
    ctx.scalars["PMAX"] = 2.0;  // three periods are needed
    auto pmax = periods.answer(ctx, {30.0, 1.0, 1.0, 10.0}, {3.0});
    EXPECT_EQ(pmax.errorMessage, "PMAX exceeded.");
    EXPECT_EQ(pmax.errorCaption, "Brooks and Motley's Model - Prediction 2");

    EXPECT_TRUE(model.runEnabled(ctx));
    ctx.intervalStats(6, 1) = 0.4;
    EXPECT_FALSE(model.runEnabled(ctx));
}

TEST(BrooksMotleyModel, ErrorTexts) {
    const auto model = vnk::models::BrooksMotleyBinomialModel();
    const std::string head = "\r\nModel Execution Returned Error:\r\n";
    EXPECT_EQ(model.errorText(1), head + "The Maximum Iteration Count was reached.");
    EXPECT_EQ(model.errorText(2), head + "The Trust region could not be adjusted properly.");
    EXPECT_EQ(model.errorText(3), head + "The Data are not appropriate for the model.");
    EXPECT_EQ(model.errorText(4),
              head + "The Total Faults estimate was less than the observed faults to date.");
    EXPECT_EQ(vnk::models::ErrorReport(model.errorText(3)),
              "    ERRORS OCCURRED\n\n      Model Execution Returned Error:\n      The Data are "
              "not appropriate for the model.");
}

TEST(BrooksMotleyModel, InitialEstimatesScreenRules) {
    // The screen shows TNOF - 1 and refuses a smaller total or one above 1e7.
    EXPECT_DOUBLE_EQ(vnk::models::BrooksMotleyShownTotal(482.0), 481.0);
    EXPECT_TRUE(vnk::models::BrooksMotleyTotalAccepted(481.0, 482.0));
    EXPECT_FALSE(vnk::models::BrooksMotleyTotalAccepted(480.9, 482.0));
    EXPECT_FALSE(vnk::models::BrooksMotleyTotalAccepted(1.1e7, 482.0));
    EXPECT_FALSE(vnk::models::BrooksMotleyTotalAccepted(NAN, 482.0));
    EXPECT_EQ(vnk::models::BrooksMotleyInitialEstimatesTexts().heading,
              "The computed intiial estimates for the execution are:");
}

ModelContext gpContext() {
    ModelContext ctx;
    ctx.NS = 3;
    ctx.counts = {5, 3, 2};
    ctx.lengths = {1, 1, 1};
    ctx.corrections = {0, 5, 8};
    ctx.intervalStats(1, 1) = 0.25;
    ctx.intervalStats(3, 1) = 0.0616;
    ctx.intervalStats(3, 2) = 0.0551;
    ctx.intervalStats(3, 3) = 0.0681;
    ctx.intervalStats(5, 1) = 495.116;
    ctx.intervalStats(5, 2) = 487.249;
    ctx.intervalStats(5, 3) = 502.982;
    ctx.intervalStats(6, 1) = 15.116;
    ctx.intervalStats(6, 2) = 7.249;
    ctx.intervalStats(6, 3) = 22.982;
    return ctx;
}

TEST(GeneralizedPoissonModel, EstimationBlocksAreByteExact) {
    const ModelContext ctx = gpContext();
    EXPECT_EQ(vnk::models::GeneralizedPoissonModel(1).estimationBlock(ctx),
              "    GENERALIZED POISSON MODEL - Weighting 1 (Schick-Wolverton)\n"
              "    ESTIMATIONS                       Estimate  95% Confidence Interval\n"
              "                                  ------------  -----------------------\n"
              "\n"
              "      Proportionality Constant           0.062       (0.055,0.068)\n"
              "\n"
              "      Total Number of Faults             495.1       (487.2,503.0)\n"
              "      TNOF Remaining                      15.1       (7.2,23.0)\n"
              "\n"
              "\n");
    const std::string two = vnk::models::GeneralizedPoissonModel(2).estimationBlock(ctx);
    EXPECT_EQ(two.substr(0, two.find('\n') + 1),
              "    GENERALIZED POISSON MODEL - Weighting 2 (Alpha Input)\n");
    EXPECT_EQ(vnk::models::GeneralizedPoissonModel(3).estimationBlock(ctx),
              "    GENERALIZED POISSON MODEL - Weighting 3 (Alpha Estimated)\n"
              "    ESTIMATIONS                       Estimate  95% Confidence Interval\n"
              "                                  ------------  -----------------------\n"
              "\n"
              "      Alpha                              0.250\n"
              "\n"
              "      Proportionality Constant           0.062\n"
              "\n"
              "      Total Number of Faults             495.1\n"
              "      TNOF Remaining                      15.1\n"
              "\n"
              "\n");
}

TEST(GeneralizedPoissonModel, PredictionLinesFollowTheirConditions) {
    const ModelContext ctx = gpContext();
    PredictionValues v;
    v.inputs = {{2.0}, {3.0, 1.5}};
    v.outputs = {{4.26, 3.1, 5.4}, {7.0}};
    const std::string second =
        "      For the next 3.0 faults to be discovered, if the testing length is expected to "
        "be\n        1.5  The expected number of periods is 7.0\n\n";
    EXPECT_EQ(vnk::models::GeneralizedPoissonModel(1).predictionLines(ctx, v),
              "    PREDICTIONS\n\n"
              "      For the next testing period of length 2.0  The expected number of faults is "
              "4.3\n        with a 95% Confidence Interval of (3.1,5.4)\n\n" +
                  second);
    EXPECT_EQ(vnk::models::GeneralizedPoissonModel(3).predictionLines(ctx, v),
              "    PREDICTIONS\n\n"
              "      For the next testing period of length 2.0  The expected number of faults is "
              "4.3\n\n" +
                  second);
    v.inputs[0][0] = 0.0;
    v.inputs[1][1] = -1.0;  // a negative length is no testing period: nothing was asked
    EXPECT_EQ(vnk::models::GeneralizedPoissonModel(2).predictionLines(ctx, v), "");
    v.inputs[1][1] = 0.0;
    EXPECT_EQ(vnk::models::GeneralizedPoissonModel(2).predictionLines(ctx, v), "");
}

TEST(GeneralizedPoissonModel, ScreensCaptionsAndRunRules) {
    const auto one = vnk::models::GeneralizedPoissonModel(1);
    const auto three = vnk::models::GeneralizedPoissonModel(3);
    EXPECT_EQ(one.title, "Generalized Poisson Model - Weighting 1 (Schick-Wolverton)");
    EXPECT_EQ(three.errorTitle, "Generalized Poisson - Weighting 3 (Alpha Estimated)");
    EXPECT_EQ(one.estimates.size(), 3u);
    EXPECT_TRUE(one.estimates[0].hasLimits);
    EXPECT_EQ(three.estimates.size(), 4u);
    EXPECT_EQ(one.predictions[0].outputCount, 3);
    EXPECT_EQ(three.predictions[0].outputCount, 1);

    ModelContext ctx = gpContext();
    ctx.intervalStats(6, 1) = 0.4;
    EXPECT_FALSE(one.runEnabled(ctx));
    EXPECT_FALSE(static_cast<bool>(three.runEnabled));  // always enabled

    ctx.intervalStats(6, 1) = 15.116;
    auto tooMany = one.predictions[1].answer(ctx, {16.0, 1.0}, {2.0});
    EXPECT_EQ(tooMany.errorMessage, "Input Greater than TNOFR.");
    EXPECT_EQ(tooMany.errorCaption, "Generalized Poisson Weighting l - Prediction 2");
    auto skipped = one.predictions[1].answer(ctx, {5.0, 0.0}, {2.0});
    EXPECT_FALSE(skipped.computed);
    auto asked = one.predictions[0].answer(ctx, {1.0}, {0, 0, 0});
    ASSERT_TRUE(asked.computed);
    EXPECT_NEAR(asked.outputs[0], 0.0616 * (495.116 - 8.0) * 0.5, 1e-9);

    const std::string head = "\r\nModel Execution Returned Error:\r\n";
    EXPECT_EQ(three.errorText(2), head + "The Trust region could not be adjusted properly.");
    EXPECT_EQ(three.errorText(7),
              head + "The Total Faults estimate was less than the observed faults to date.");
    EXPECT_TRUE(vnk::models::GeneralizedPoissonTotalAccepted(2.0, 2.0));
    EXPECT_FALSE(vnk::models::GeneralizedPoissonTotalAccepted(1.5, 2.0));
    EXPECT_EQ(vnk::models::GeneralizedPoissonInitialEstimatesTexts(3).title,
              "Generalized Poisson Model - Weighting Function 3");
}

}  // namespace
