#include "models/tbf_models.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "numerics/geometric.h"
#include "numerics/jelinski_moranda.h"
#include "numerics/sanitise.h"
#include "tests/support/tbf_data.h"

namespace {

using vnk::models::ModelContext;
using vnk::models::PredictionValues;

ModelContext Fitted(void (*estimate)(int, int, vnk::ConstRealArray, vnk::TbfStats&, int&),
                    const char* file) {
    ModelContext ctx;
    ctx.data = vnk::test::LoadTbfData(file);
    ctx.NS = static_cast<int>(ctx.data.size());
    estimate(1, ctx.NS, ctx.data, ctx.tbfStats, ctx.RFLAG);
    return ctx;
}

TEST(GeometricReport, EstimationBlockIsByteExact) {
    ModelContext ctx;
    vnk::TbfStats& s = ctx.tbfStats;
    s(4, 1) = 0.5, s(4, 2) = 0.0, s(4, 3) = 1.0;
    s(5, 1) = 1.0, s(5, 2) = 0.0, s(5, 3) = 2.7801;
    s(6, 1) = 2.0;
    s(7, 1) = 0.18684;
    s(9, 1) = 8.0, s(9, 2) = 0.0, s(9, 3) = 31.82939;
    s(12, 1) = 0.875, s(12, 2) = 0.35793, s(12, 3) = 1.0;
    EXPECT_EQ(vnk::models::GeometricModel().estimationBlock(ctx),
              "    GEOMETRIC MODEL\n"
              "    ESTIMATIONS                       Estimate  95% Confidence Interval\n"
              "                                  ------------  -----------------------\n"
              "\n"
              "      Proportionality Constant           0.500       (0.000,1.000)\n"
              "\n"
              "      Hazard Rate                        1.000       (0.000,2.780)\n"
              "\n"
              "      Initial Intensity Function         2.000\n"
              "      Current Intensity Function         0.187\n"
              "\n"
              "      Current MTBNF                        8.0       (0.0,31.8)\n"
              "\n"
              "      Purification Level                 0.875       (0.358,1.000)\n"
              "\n"
              "\n");
}

TEST(GeometricReport, PredictionLinesOnlyForNonzeroInputs) {
    const auto& model = vnk::models::GeometricModel();
    ModelContext ctx;
    PredictionValues v;
    v.inputs = {{0.0}, {0.0}, {0.0}};
    v.outputs = {{5.0}, {1.0, 2.0}, {3.0}};
    EXPECT_EQ(model.predictionLines(ctx, v), "");

    v.inputs = {{2.0}, {0.0}, {3.5}};
    v.outputs = {{12.0}, {0.0, 0.0}, {1.26}};
    EXPECT_EQ(model.predictionLines(ctx, v),
              "    PREDICTIONS\n\n"
              "      For the next 2.0 failures  The Total MTBNF will be 12.0\n\n"
              "      In a specified time of 3.5  The number of failures expected is 1.3\n\n");

    v.inputs = {{0.0}, {0.05}, {0.0}};
    v.outputs = {{0.0}, {3.25, 100.0}, {0.0}};
    EXPECT_EQ(model.predictionLines(ctx, v),
              "    PREDICTIONS\n\n"
              "      To reach a desired intensity function of 0.050  The number of failures must "
              "be 3.2\n        and the time must be 100.0\n\n");
}

TEST(GeometricReport, ErrorTextAndItsReport) {
    const auto& model = vnk::models::GeometricModel();
    EXPECT_EQ(
        model.errorText(3),
        "\r\nModel Execution Returned Error:\r\n\r\nThe Data are not appropriate for the model.");
    EXPECT_EQ(model.errorText(1), model.errorText(3));
    EXPECT_EQ(vnk::models::ErrorReport(model.errorText(3)),
              "    ERRORS OCCURRED\n"
              "\n      Model Execution Returned Error:\n"
              "      \n      The Data are not appropriate for the model.");
    EXPECT_EQ(model.title, "Geometric Model");
    EXPECT_EQ(model.plotTitle, "Geometric Model");
    EXPECT_EQ(model.errorHeading, "Errors Occurred:");
    ASSERT_EQ(model.estimates.size(), 6u);
    EXPECT_EQ(model.estimates[1].label, "Hazard Rate Parameter:");
    EXPECT_EQ(model.estimates[1].statsRow, 5);
    EXPECT_TRUE(model.estimates[1].hasLimits);
    EXPECT_FALSE(model.estimates[2].hasLimits);
}

TEST(GeometricRun, FollowsTheRulesOfEachQuestion) {
    const auto& q = vnk::models::GeometricModel().predictions;
    ASSERT_EQ(q.size(), 3u);
    const ModelContext ctx = Fitted(vnk::SGEOMD, "ntds_tbf.txt");
    ASSERT_EQ(ctx.RFLAG, 0);

    auto out = q[0].answer(ctx, {2.0}, {7.0});
    EXPECT_TRUE(out.computed);
    double expected = 0.0;
    vnk::SGEOP3(ctx.tbfStats, ctx.NS, 2.0, expected);
    EXPECT_EQ(out.outputs, std::vector<double>{expected});
    EXPECT_EQ(out.errorMessage, "");

    out = q[0].answer(ctx, {-1.0}, {7.0});
    EXPECT_FALSE(out.computed);
    EXPECT_EQ(out.errorMessage, "A positive number is required to run Prediction 1");
    EXPECT_EQ(out.errorCaption, "Error");
    EXPECT_EQ(out.outputs, std::vector<double>{0.0});
    out = q[0].answer(ctx, {0.0}, {7.0});
    EXPECT_EQ(out.errorMessage, "");
    EXPECT_EQ(out.outputs, std::vector<double>{0.0});

    // An overflowing sum reaches the screen as the overflow marker, not as infinity.
    out = q[0].answer(ctx, {1e6}, {0.0});
    EXPECT_EQ(out.outputs, std::vector<double>{vnk::kLimitOverflowMarker});

    const double current = ctx.tbfStats(7, 1);
    out = q[1].answer(ctx, {current}, {4.0, 5.0});
    EXPECT_EQ(out.errorMessage, "Input greater than current for Prediction 2");
    EXPECT_EQ(out.outputs, (std::vector<double>{0.0, 0.0}));
    out = q[1].answer(ctx, {-0.1}, {4.0, 5.0});
    EXPECT_EQ(out.errorMessage, "A positive number is required to run Prediction 2");
    EXPECT_EQ(out.outputs, (std::vector<double>{4.0, 5.0}));
    out = q[1].answer(ctx, {current / 2}, {4.0, 5.0});
    double time = 0.0, failures = 0.0;
    int ERRLFG = -1;
    vnk::SGEOP4(ctx.tbfStats, current / 2, time, failures, ERRLFG);
    EXPECT_EQ(out.outputs, (std::vector<double>{failures, time}));

    out = q[2].answer(ctx, {-3.0}, {2.0});
    EXPECT_EQ(out.errorMessage, "A positive number is required to run Prediction 3");
    EXPECT_EQ(out.outputs, std::vector<double>{0.0});
    out = q[2].answer(ctx, {50.0}, {0.0});
    vnk::SGEOP6(ctx.tbfStats, ctx.data, ctx.NS, 50.0, expected);
    EXPECT_EQ(out.outputs, std::vector<double>{expected});
}

TEST(JelinskiMorandaReport, NtdsEstimationBlockShowsThePublishedDigits) {
    const ModelContext ctx = Fitted(vnk::SJAMMD, "ntds_tbf.txt");
    EXPECT_EQ(vnk::models::JelinskiMorandaModel().estimationBlock(ctx),
              "    JELINSKI/MORANDA MODEL\n"
              "    ESTIMATIONS                       Estimate  95% Confidence Interval\n"
              "                                  ------------  -----------------------\n"
              "\n"
              "      Proportionality Constant           0.007\n"
              "\n"
              "      Initial Intensity Function         0.214\n"
              "      Current Intensity Function         0.039\n"
              "\n"
              "      Current MTBNF                       28.0\n"
              "\n"
              "      Total Number of Faults              31.2\n"
              "      TNOF Remaining                       5.2\n"
              "\n"
              "      Purification Level                 0.833\n"
              "\n"
              "\n");
}

TEST(JelinskiMorandaReport, PredictionLinesInQuestionOrder) {
    const auto& model = vnk::models::JelinskiMorandaModel();
    PredictionValues v;
    v.inputs = {{10.0}, {2.0}, {0.0}, {30.0}};
    v.outputs = {{0.5}, {40.0}, {0.0, 0.0}, {1.5}};
    EXPECT_EQ(model.predictionLines(ModelContext{}, v),
              "    PREDICTIONS\n\n"
              "      For a specified time of 10.0  The expected Reliability is 0.500\n\n"
              "      For the next 2.0 failures  The Total MTBNF will be 40.0\n\n"
              "      In a specified time of 30.0  The number of failures expected is 1.5\n\n");
    v.inputs = {{0.0}, {0.0}, {0.0}, {0.0}};
    EXPECT_EQ(model.predictionLines(ModelContext{}, v), "");
}

TEST(JelinskiMorandaReport, ErrorTextsByStatus) {
    const auto& model = vnk::models::JelinskiMorandaModel();
    EXPECT_EQ(
        model.errorText(3),
        "\r\nModel Execution Returned Error:\r\n\r\nThe Data are not appropriate for the model.");
    EXPECT_EQ(model.errorText(4),
              "\r\nModel Execution Returned Error:\r\n"
              "\r\nThe total faults estimate was less than the observed faults to date.");
    EXPECT_EQ(model.errorText(1), "\r\nModel Execution Returned Error:\r\n");
    EXPECT_EQ(model.title, "Jelinski / Moranda Model");
    EXPECT_EQ(model.errorTitle, "Jelinski/Moranda");
    EXPECT_EQ(model.errorHeading, "Errors:");
    EXPECT_EQ(model.plotsButtonText, "Plots ");
    ASSERT_EQ(model.estimates.size(), 7u);
    EXPECT_EQ(model.estimates[3].label, "Current Mean Time Before Next Failure:");
    EXPECT_EQ(model.estimates[5].statsRow, 11);
}

TEST(JelinskiMorandaRun, FollowsTheRulesOfEachQuestion) {
    const auto& model = vnk::models::JelinskiMorandaModel();
    const auto& q = model.predictions;
    ASSERT_EQ(q.size(), 4u);
    const ModelContext ctx = Fitted(vnk::SJAMMD, "ntds_tbf.txt");
    ASSERT_EQ(ctx.RFLAG, 0);
    EXPECT_TRUE(model.runEnabled(ctx));

    auto out = q[0].answer(ctx, {10.0}, {0.0});
    EXPECT_NEAR(out.outputs.at(0), std::exp(-ctx.tbfStats(11, 1) * ctx.tbfStats(4, 1) * 10.0),
                1e-15);
    out = q[0].answer(ctx, {-10.0}, {0.3});
    EXPECT_EQ(out.errorMessage, "A positive number is required to run Prediction 1");
    EXPECT_EQ(out.outputs, std::vector<double>{0.0});

    // 5.2 faults remain: five more failures can be asked for, six cannot.
    out = q[1].answer(ctx, {5.0}, {0.0});
    EXPECT_EQ(out.errorMessage, "");
    EXPECT_GT(out.outputs.at(0), 0.0);
    out = q[1].answer(ctx, {6.0}, {1.0});
    EXPECT_EQ(out.errorMessage,
              "The input desired number of failures is illegal for Prediction 2.");
    EXPECT_EQ(out.outputs, std::vector<double>{0.0});
    out = q[1].answer(ctx, {-1.0}, {1.0});
    EXPECT_EQ(out.errorMessage, "A positive number is required to run Prediction 2");

    out = q[2].answer(ctx, {1.0}, {3.0, 4.0});
    EXPECT_EQ(out.errorMessage, "Input greater than current for Prediction 3");
    EXPECT_TRUE(out.inputs.empty());
    out = q[2].answer(ctx, {-1.0}, {3.0, 4.0});
    EXPECT_EQ(out.errorMessage, "A positive number is required to run Prediction 3");
    EXPECT_EQ(out.inputs, std::vector<double>{0.0});
    EXPECT_EQ(out.outputs, (std::vector<double>{3.0, 4.0}));
    out = q[2].answer(ctx, {0.0}, {3.0, 4.0});
    EXPECT_EQ(out.errorMessage, "");
    EXPECT_EQ(out.inputs, std::vector<double>{0.0});
    EXPECT_EQ(out.outputs, (std::vector<double>{3.0, 4.0}));

    out = q[3].answer(ctx, {1e9}, {0.0});
    EXPECT_NEAR(out.outputs.at(0), ctx.tbfStats(11, 1), 1e-12);
    out = q[3].answer(ctx, {-1e9}, {2.0});
    EXPECT_EQ(out.errorMessage, "A positive number is required to run Prediction 4");
    EXPECT_EQ(out.outputs, std::vector<double>{0.0});

    // SYS3 ends with fewer faults than observed: nothing is left to predict.
    const ModelContext sys3 = Fitted(vnk::SJAMMD, "sys3_tbf.txt");
    EXPECT_EQ(sys3.RFLAG, 4);
    EXPECT_FALSE(model.runEnabled(sys3));
}

}  // namespace
