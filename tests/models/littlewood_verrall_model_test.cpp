#include "models/littlewood_verrall_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "numerics/littlewood_verrall.h"

namespace {

using vnk::models::LittlewoodVerrallLinearModel;
using vnk::models::LittlewoodVerrallQuadraticModel;
using vnk::models::ModelContext;
using vnk::models::PredictionValues;

ModelContext Context() {
    ModelContext ctx;
    ctx.NS = 3;
    ctx.data = {10.0, 20.0, 40.0};
    ctx.tbfStats(1, 1) = 3.5;
    ctx.tbfStats(2, 1) = 12.25;
    ctx.tbfStats(3, 1) = 4.0625;
    ctx.tbfStats(6, 1) = 0.2040816;
    ctx.tbfStats(7, 1) = 0.0912345;
    ctx.tbfStats(9, 1) = 11.4;
    return ctx;
}

TEST(LavModelDescription, TitlesRowsAndQuestions) {
    const auto& lin = LittlewoodVerrallLinearModel();
    const auto& quad = LittlewoodVerrallQuadraticModel();
    EXPECT_EQ(lin.code, "LAV-L");
    EXPECT_EQ(quad.code, "LAV-Q");
    EXPECT_EQ(lin.title, "Littlewood and Verrall's Linear Model");
    EXPECT_EQ(quad.plotTitle, "Littlewood and Verrall's Quadratic Model");
    ASSERT_EQ(lin.estimates.size(), 6u);
    EXPECT_EQ(lin.estimates[5].label, "Current Mean Time Before Next Failure:");
    EXPECT_EQ(lin.estimates[5].statsRow, 9);
    for (const auto& row : quad.estimates) EXPECT_FALSE(row.hasLimits);
    ASSERT_EQ(lin.predictions.size(), 3u);
    EXPECT_TRUE(lin.predictions[1].inputEnabled);
    EXPECT_FALSE(quad.predictions[1].inputEnabled);
    EXPECT_EQ(&vnk::models::LittlewoodVerrallModel(2), &quad);
    EXPECT_EQ(vnk::models::LittlewoodVerrallStartingValuesTitle(1),
              "Littlewood and Verrall Linear Model");
}

TEST(LavModelDescription, RunRulesOfTheQuestions) {
    const ModelContext ctx = Context();
    const auto& lin = LittlewoodVerrallLinearModel();
    const auto& quad = LittlewoodVerrallQuadraticModel();

    // Question 1: positive computes, negative complains and resets, zero resets.
    auto out = lin.predictions[0].answer(ctx, {2.0}, {7.0});
    EXPECT_TRUE(out.computed);
    double expected = 0.0;
    vnk::SLAVP3(ctx.tbfStats, 3, 2.0, 1, expected);
    EXPECT_EQ(out.outputs, std::vector<double>{expected});
    out = lin.predictions[0].answer(ctx, {-1.0}, {7.0});
    EXPECT_FALSE(out.computed);
    EXPECT_EQ(out.errorMessage, "A positive number is required to run Prediction 1");
    EXPECT_EQ(out.errorCaption, "Error");
    EXPECT_EQ(out.outputs, std::vector<double>{0.0});
    out = lin.predictions[0].answer(ctx, {0.0}, {7.0});
    EXPECT_TRUE(out.errorMessage.empty());
    EXPECT_EQ(out.outputs, std::vector<double>{0.0});

    // Question 2 (linear): outputs are failures then time; an intensity at or above the
    // current one is refused; a negative input keeps the outputs.
    out = lin.predictions[1].answer(ctx, {0.05}, {0.0, 0.0});
    double time = 0.0, failures = 0.0;
    int flag = 0;
    vnk::SLAVP4(ctx.tbfStats, 0.05, time, failures, flag);
    EXPECT_EQ(out.outputs, (std::vector<double>{failures, time}));
    EXPECT_TRUE(out.errorMessage.empty());
    out = lin.predictions[1].answer(ctx, {0.5}, {1.0, 2.0});
    EXPECT_EQ(out.errorMessage, "Input greater than current for Prediction 2");
    EXPECT_EQ(out.outputs, (std::vector<double>{0.0, 0.0}));
    out = lin.predictions[1].answer(ctx, {-0.5}, {1.0, 2.0});
    EXPECT_EQ(out.errorMessage, "A positive number is required to run Prediction 2");
    EXPECT_EQ(out.outputs, (std::vector<double>{1.0, 2.0}));
    // Quadratic: the question cannot be asked.
    out = quad.predictions[1].answer(ctx, {0.05}, {1.0, 2.0});
    EXPECT_FALSE(out.computed);
    EXPECT_TRUE(out.errorMessage.empty());

    // Question 3 numbers itself 3 (linear) or 2 (quadratic) in its message.
    out = lin.predictions[2].answer(ctx, {-4.0}, {9.0});
    EXPECT_EQ(out.errorMessage, "A positive number is required to run Prediction 3");
    EXPECT_EQ(out.outputs, std::vector<double>{0.0});
    out = quad.predictions[2].answer(ctx, {-4.0}, {9.0});
    EXPECT_EQ(out.errorMessage, "A positive number is required to run Prediction 2");
    out = quad.predictions[2].answer(ctx, {50.0}, {9.0});
    vnk::SLAVP6(ctx.tbfStats, ctx.data, 3, 50.0, 2, expected);
    EXPECT_EQ(out.outputs, std::vector<double>{expected});
}

TEST(LavModelDescription, EstimationBlockIsExact) {
    EXPECT_EQ(LittlewoodVerrallQuadraticModel().estimationBlock(Context()),
              "    LITTLEWOOD AND VERRALL'S\n"
              "    QUADRATIC MODEL\n"
              "    ESTIMATIONS                       Estimate  95% Confidence Interval\n"
              "                                  ------------  -----------------------\n"
              "\n"
              "      ALPHA Parameter                    3.500\n"
              "      BETA0 Parameter                   12.250\n"
              "      BETA1 Parameter                    4.062\n"
              "\n"
              "      Initial Intensity Function         0.204\n"
              "      Current Intensity Function         0.091\n"
              "\n"
              "      Current MTBNF                       11.4\n"
              "\n"
              "\n");
    EXPECT_EQ(LittlewoodVerrallLinearModel().estimationBlock(Context()).substr(0, 51),
              "    LITTLEWOOD AND VERRALL'S\n    LINEAR MODEL\n    E");
}

TEST(LavModelDescription, PredictionLinesOnlyForNonzeroInputs) {
    const auto& lin = LittlewoodVerrallLinearModel();
    PredictionValues v;
    v.inputs = {{0.0}, {0.0}, {0.0}};
    v.outputs = {{0.0}, {0.0, 0.0}, {0.0}};
    EXPECT_EQ(lin.predictionLines(Context(), v), "");
    v.inputs = {{2.0}, {0.05}, {0.0}};
    v.outputs = {{31.25}, {6.5, 120.75}, {3.0}};
    EXPECT_EQ(lin.predictionLines(Context(), v),
              "    PREDICTIONS\n\n"
              "      For the next 2.0 failures  The Total MTBNF will be 31.2\n\n"
              "      To reach a desired intensity function of 0.050  The number of failures must "
              "be 6.5\n        and the time must be 120.8\n\n");
    v.inputs = {{0.0}, {0.0}, {75.0}};
    EXPECT_EQ(lin.predictionLines(Context(), v),
              "    PREDICTIONS\n\n"
              "      In a specified time of 75.0  The number of failures expected is 3.0\n\n");
}

TEST(LavModelDescription, ErrorTextsAndReport) {
    const auto& lin = LittlewoodVerrallLinearModel();
    EXPECT_EQ(lin.errorText(1), "\r\nModel Execution Returned Error:\r\n\r\nMaximum Iterations");
    EXPECT_EQ(lin.errorText(2),
              "\r\nModel Execution Returned Error:\r\n"
              "\r\nThe trust region could not be adjusted properly.");
    const std::string three = LittlewoodVerrallQuadraticModel().errorText(3);
    EXPECT_EQ(three,
              "\r\nModel Execution Returned Error:\r\n"
              "\r\nCalculations for the initial MTBNF estimate"
              "\r\nresulted in a negative value.  The model thus"
              "\r\ncannot be applied for this data set.");
    EXPECT_EQ(lin.errorText(5), "\r\nModel Execution Returned Error:\r\n");
    EXPECT_EQ(vnk::models::ErrorReport(three),
              "    ERRORS OCCURRED\n"
              "\n      Model Execution Returned Error:\n      "
              "\n      Calculations for the initial MTBNF estimate"
              "\n      resulted in a negative value.  The model thus"
              "\n      cannot be applied for this data set.");
}

}  // namespace
