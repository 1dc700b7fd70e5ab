#include "models/musa_nhpp_tbf_models.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "numerics/musa_basic.h"
#include "numerics/musa_logarithmic.h"
#include "numerics/nhpp_tbf.h"
#include "tests/support/tbf_data.h"

namespace {

using vnk::models::ModelContext;
using vnk::models::PredictionOutcome;
using vnk::models::PredictionValues;

ModelContext NtdsContext(int model) {
    ModelContext ctx;
    ctx.data = vnk::test::LoadTbfData("ntds_tbf.txt");
    ctx.NS = static_cast<int>(ctx.data.size());
    if (model == 0) vnk::SMUSMD(ctx.NS, ctx.data, 0.0, ctx.tbfStats, ctx.RFLAG);
    if (model == 1) vnk::SMSAMD(ctx.NS, ctx.data, 0.0, ctx.tbfStats, ctx.RFLAG);
    if (model == 2) {
        double t = 0.0;
        for (double& x : ctx.data) x = t += x;
        vnk::SNPTMD(ctx.NS, ctx.data, ctx.tbfStats, ctx.RFLAG);
    }
    return ctx;
}

PredictionOutcome Ask(const vnk::models::ModelDescription& d, const ModelContext& ctx, int question,
                      std::vector<double> inputs, std::vector<double> current = {7.0, 7.0}) {
    const auto& q = d.predictions.at(static_cast<std::size_t>(question - 1));
    current.resize(static_cast<std::size_t>(q.outputCount));
    return q.answer(ctx, inputs, current);
}

TEST(MusaBasicModel, EstimationBlockOnNtds) {
    const ModelContext ctx = NtdsContext(0);
    ASSERT_EQ(ctx.RFLAG, 0);
    EXPECT_EQ(vnk::models::MusaBasicModel().estimationBlock(ctx),
              "    MUSA'S BASIC MODEL\n"
              "    ESTIMATIONS                       Estimate  95% Confidence Interval\n"
              "                                  ------------  -----------------------\n"
              "\n"
              "      BETA0 Parameter                   33.994\n"
              "      BETA1 Parameter                    0.006\n"
              "\n"
              "      Initial Intensity Function         0.197\n"
              "      Current Intensity Function         0.046\n"
              "\n"
              "      Initial MTBNF                        5.1       (1.9,221.7)\n"
              "      Current MTBNF                       21.6\n"
              "\n"
              "      Total Number of Faults              34.0       (26.000,46.994)\n"
              "      TNOF Remaining                       8.0       (0.000,20.994)\n"
              "\n"
              "      Purification Level                 0.765\n"
              "\n"
              "\n");
}

TEST(MusaBasicModel, PredictionLinesOnlyForNonzeroInputs) {
    const auto& d = vnk::models::MusaBasicModel();
    const ModelContext ctx = NtdsContext(0);
    PredictionValues v;
    v.inputs = {{0.0}, {0.0}, {0.0}, {0.0}, {0.0}};
    v.outputs = {{0.0}, {0.0}, {0.0, 0.0}, {0.0, 0.0}, {0.0}};
    EXPECT_EQ(d.predictionLines(ctx, v), "");
    v.inputs = {{10.0}, {0.0}, {0.0}, {40.0}, {5.0}};
    v.outputs = {{0.8123}, {0.0}, {0.0, 0.0}, {3.25, 120.5}, {1.75}};
    EXPECT_EQ(d.predictionLines(ctx, v),
              "    PREDICTIONS\n\n"
              "      For a specified time of 10.0  The expected Reliability is 0.812\n\n"
              "      To reach a desired MTBNF of 40.0  The number of failures must be 3.2\n"
              "        and the time must be 120.5\n\n"
              "      In a specified time of 5.0  The number of failures expected is 1.8\n\n");
}

TEST(MusaBasicModel, ErrorTextsAndReport) {
    const auto& d = vnk::models::MusaBasicModel();
    EXPECT_EQ(
        d.errorText(3),
        "\r\nModel Execution Returned Error:\r\n\r\nThe Data are not appropriate for the model.");
    EXPECT_EQ(vnk::models::ErrorReport(d.errorText(4)),
              "    ERRORS OCCURRED\n\n      Model Execution Returned Error:\n      \n"
              "      The total faults estimate was less than the observed faults to date.");
    EXPECT_EQ(d.errorText(1), "\r\nModel Execution Returned Error:\r\n");
}

TEST(MusaBasicModel, RunRules) {
    const auto& d = vnk::models::MusaBasicModel();
    const ModelContext ctx = NtdsContext(0);
    const vnk::TbfStats& s = ctx.tbfStats;

    // Negative inputs: the message, then questions 1, 3, 4 reset their input and 2, 5 their
    // result.
    for (int q = 1; q <= 5; ++q) {
        const PredictionOutcome out = Ask(d, ctx, q, {-1.0});
        EXPECT_EQ(out.errorMessage,
                  "A positive number is required to run Prediction " + std::to_string(q));
        EXPECT_EQ(out.errorCaption, "Error");
        EXPECT_FALSE(out.computed);
        if (q == 2 || q == 5) {
            EXPECT_TRUE(out.inputs.empty()) << q;
            EXPECT_EQ(out.outputs, std::vector<double>{0.0}) << q;
        } else {
            EXPECT_EQ(out.inputs, std::vector<double>{0.0}) << q;
            EXPECT_EQ(out.outputs.at(0), 7.0) << q;
        }
    }
    // A zero input resets without a message.
    EXPECT_EQ(Ask(d, ctx, 5, {0.0}).errorMessage, "");
    EXPECT_EQ(Ask(d, ctx, 5, {0.0}).outputs, std::vector<double>{0.0});

    PredictionOutcome out = Ask(d, ctx, 2, {9.0});
    EXPECT_EQ(out.errorMessage,
              "The input desired number of failures is illegal for Prediction 2.");
    EXPECT_EQ(out.outputs, std::vector<double>{0.0});
    out = Ask(d, ctx, 3, {s(7, 1)});
    EXPECT_EQ(out.errorMessage, "Input greater than current for Prediction 3");
    EXPECT_EQ(out.outputs, (std::vector<double>{0.0, 0.0}));
    out = Ask(d, ctx, 4, {s(9, 1)});
    EXPECT_EQ(out.errorMessage, "Input less than current for Prediction 4");

    // Outputs follow the screen: failures first, then time.
    out = Ask(d, ctx, 3, {0.02});
    double time = 0.0, failures = 0.0;
    int ERRLFG = 0;
    vnk::SMUSP4(s, 0.02, time, failures, ERRLFG);
    EXPECT_TRUE(out.computed);
    EXPECT_EQ(out.errorMessage, "");
    EXPECT_EQ(out.outputs, (std::vector<double>{failures, time}));

    EXPECT_TRUE(d.runEnabled(ctx));
    ModelContext done = ctx;
    done.tbfStats(11, 1) = 0.49;
    EXPECT_FALSE(d.runEnabled(done));
}

TEST(MusaBasicModel, CalendarTimeScreenAndReport) {
    EXPECT_EQ(vnk::models::CalendarTimeWarning(3), "");
    EXPECT_EQ(vnk::models::CalendarTimeWarning(4),
              "Model requires estimates measured in hours; alter values as needed.");

    const ModelContext ctx = NtdsContext(0);
    const vnk::models::CalendarTimeInputs defaults = vnk::models::CalendarTimeDefaults(ctx);
    EXPECT_EQ(defaults.NS, 26);
    EXPECT_EQ(defaults.TNOF, ctx.tbfStats(10, 1));
    EXPECT_EQ(defaults.CMTBFH, ctx.tbfStats(9, 1));
    EXPECT_EQ(defaults.IMTBFH, ctx.tbfStats(8, 1));
    EXPECT_EQ(defaults.PI + defaults.PF + defaults.DMTBFH + defaults.RHOC, 0.0);
    // Every field but "Number of Failures:" edits one input.
    const auto& fields = vnk::models::CalendarTimeFields();
    ASSERT_EQ(fields.size(), 16u);
    EXPECT_EQ(fields.front().label, "Number of Failures:");
    EXPECT_EQ(fields.back().value, &vnk::models::CalendarTimeInputs::DMTBFH);

    // The screen opened and run without resource values cannot give a number.
    const auto unusable = vnk::models::RunCalendarTime(defaults);
    EXPECT_EQ(unusable.XINT, 0.0);
    EXPECT_FALSE(unusable.errorMessage.empty());

    // The worked example of the SMUSCT test.
    vnk::models::CalendarTimeInputs in;
    in.NS = 4;
    in.TNOF = 10.0;
    in.CMTBFH = 1.0;
    in.IMTBFH = 1.0;
    in.PI = 1.0;
    in.PF = 1.0;
    in.PC = 2.0;
    in.TC = 0.5;
    in.TI = 1.0;
    in.XMC = 2.0;
    in.XMI = 0.0;
    in.XMF = 1.5;
    in.XMQ = 1.0;
    in.PMQ = 0.5;
    in.RHOC = 0.5;
    in.DMTBFH = 5.0;
    const auto run = vnk::models::RunCalendarTime(in);
    EXPECT_EQ(run.errorMessage, "");
    EXPECT_NEAR(run.XINT, 22.6971714159, 1e-9);
    // clang-format off
    EXPECT_EQ(vnk::models::CalendarTimeReport(in, run.XINT),
              "\n"
              "\n"
              "\n"
              "    MUSA'S CALENDAR TIME COMPONENT REPORT\n"
              "\n"
              "    Number of Failures:                                                             :            4\n"
              "    Total Number of Faults                                                          :     10.00000\n"
              "    Current Mean Time Before Next Failure                                           :      1.00000\n"
              "    Initial Mean Time Before Next Failure                                           :      1.00000\n"
              "    Number of Failure Identification Personnel                                      :      1.00000\n"
              "    Number of Failure Correction Personnel                                          :      1.00000\n"
              "    Number of Computer Shifts                                                       :      2.00000\n"
              "    Average amount of computer (WALLCLOCK) time expended per unit of execution time :      0.50000\n"
              "    Average amount of identification work expended per unit of execution time       :      1.00000\n"
              "    Average amount of computer time (hours) expended per failure                    :      2.00000\n"
              "    Average amount of identification work (hours) required per failure              :      0.00000\n"
              "    Average amount of correction work (hours) required per failure                  :      1.50000\n"
              "    Maximum error queue length for a debugger                                       :      1.00000\n"
              "    Associated probability that the queue will be no larger than the previous value :      0.50000\n"
              "    Computer Utilization Factor                                                     :      0.50000\n"
              "    Desired MTBNF (hours)                                                           :      5.00000\n"
              "    Additional time to Mean Time Before Next Failure                                :     22.69717\n");
    // clang-format on

    // Below the current MTBNF, or with fewer total faults than failures seen, the segments
    // would add negative hours: no number, and a reason.
    vnk::models::CalendarTimeInputs lower = in;
    lower.DMTBFH = in.CMTBFH;
    const auto refused = vnk::models::RunCalendarTime(lower);
    EXPECT_EQ(refused.XINT, 0.0);
    EXPECT_EQ(refused.errorMessage,
              "The desired MTBNF must be larger than the current Mean Time Before Next Failure.");
    vnk::models::CalendarTimeInputs fewFaults = in;
    fewFaults.TNOF = 3.0;  // 4 failures seen
    const auto negative = vnk::models::RunCalendarTime(fewFaults);
    EXPECT_EQ(negative.XINT, 0.0);
    EXPECT_FALSE(negative.errorMessage.empty());
}

TEST(MusaLogarithmicModel, ScreenReportAndRules) {
    const auto& d = vnk::models::MusaLogarithmicModel();
    const ModelContext ctx = NtdsContext(1);
    ASSERT_EQ(ctx.RFLAG, 0);
    ASSERT_EQ(d.estimates.size(), 6u);
    EXPECT_EQ(d.estimates[2].label, "Initial intensity Function:");
    EXPECT_EQ(d.errorHeading, "Errors:");

    vnk::models::ModelContext fixed;
    fixed.tbfStats(2, 1) = 23.397;
    fixed.tbfStats(3, 1) = 0.00815;
    fixed.tbfStats(6, 1) = 0.19075;
    fixed.tbfStats(7, 1) = 0.06278;
    fixed.tbfStats(9, 1) = 26.27;
    fixed.tbfStats(12, 1) = 0.8697;
    EXPECT_EQ(d.estimationBlock(fixed),
              "    MUSA'S LOGARITHMIC MODEL\n"
              "    ESTIMATIONS                       Estimate  95% Confidence Interval\n"
              "                                  ------------  -----------------------\n"
              "\n"
              "      BETA0 Parameter                   23.397\n"
              "      BETA1 Parameter                    0.008\n"
              "\n"
              "      Initial Intensity Function         0.191\n"
              "      Current Intensity Function         0.063\n"
              "\n"
              "      Current MTBNF                       26.3\n"
              "\n"
              "      Purification Level                 0.870\n"
              "\n"
              "\n");

    // The report gives only the time for a desired intensity.
    PredictionValues v;
    v.inputs = {{0.0}, {2.0}, {0.03}, {0.0}};
    v.outputs = {{0.0}, {55.55}, {17.0, 300.25}, {0.0}};
    EXPECT_EQ(d.predictionLines(ctx, v),
              "    PREDICTIONS\n\n"
              "      For the next 2.0 failures  The Total MTBNF will be 55.5\n\n"
              "      To reach a desired intensity function of 0.030  The time must be 300.2\n\n");

    EXPECT_EQ(d.errorText(3),
              "\r\nModel Execution Returned Error:\r\n\r\nData are not appropriate for the model.");
    EXPECT_EQ(d.errorText(4), "\r\nModel Execution Returned Error:\r\n");

    EXPECT_EQ(Ask(d, ctx, 3, {1.0}).errorMessage, "Input greater than current for Prediction 3");
    EXPECT_EQ(Ask(d, ctx, 1, {-2.0}).inputs, std::vector<double>{0.0});
    EXPECT_EQ(Ask(d, ctx, 4, {-2.0}).outputs, std::vector<double>{0.0});
    EXPECT_EQ(Ask(d, ctx, 4, {-2.0}).errorMessage,
              "A positive number is required to run Prediction 4");
    EXPECT_FALSE(d.runEnabled);
}

TEST(NhppTbfModel, ScreenReportAndRules) {
    const auto& d = vnk::models::NhppTbfModel();
    const ModelContext ctx = NtdsContext(2);
    ASSERT_EQ(ctx.RFLAG, 0);
    EXPECT_EQ(d.estimationBlock(ctx),
              "    NON-HOMOGENEOUS POISSON MODEL\n"
              "    ESTIMATIONS                       Estimate  95% Confidence Interval\n"
              "                                  ------------  -----------------------\n"
              "\n"
              "      Proportionality Constant           0.006\n"
              "\n"
              "      Initial Intensity Function         0.197\n"
              "      Current Intensity Function         0.046\n"
              "\n"
              "      Total Number of Faults              34.0\n"
              "      TNOF Remaining                       8.0\n"
              "\n"
              "      Purification Level                 0.765\n"
              "\n"
              "\n");

    // Question 2 has two inputs; both must be positive and both are reset otherwise.
    PredictionOutcome out = Ask(d, ctx, 2, {10.0, 0.9});
    EXPECT_TRUE(out.computed);
    double PVAL = 0.0;
    vnk::SNPTP2(ctx.tbfStats, 10.0, 0.9, PVAL);
    EXPECT_EQ(out.outputs, std::vector<double>{PVAL});
    out = Ask(d, ctx, 2, {10.0, -0.9});
    EXPECT_EQ(out.errorMessage, "A positive number is required to run Prediction 2");
    EXPECT_EQ(out.inputs, (std::vector<double>{0.0, 0.0}));
    out = Ask(d, ctx, 2, {0.0, 0.9});
    EXPECT_EQ(out.errorMessage, "");
    EXPECT_EQ(out.inputs, (std::vector<double>{0.0, 0.0}));
    out = Ask(d, ctx, 2, {10.0, 1.0});
    EXPECT_EQ(out.errorMessage, "A reliability less than 1 is required for Prediction 2");
    EXPECT_EQ(out.outputs, std::vector<double>{0.0});

    EXPECT_EQ(Ask(d, ctx, 3, {ctx.tbfStats(7, 1)}).errorMessage,
              "Input greater than current for Prediction 3");
    EXPECT_EQ(Ask(d, ctx, 4, {0.0}).outputs, std::vector<double>{0.0});

    PredictionValues v;
    v.inputs = {{0.0}, {10.0, 0.9}, {0.01}, {0.0}};
    v.outputs = {{0.0}, {612.345}, {263.5}, {0.0}};
    EXPECT_EQ(d.predictionLines(ctx, v),
              "    PREDICTIONS\n\n"
              "      For a specified Operational Time of 10.0  The time to reach a specified\n"
              "        reliability of 0.900 is 612.3\n\n"
              "      To reach a desired intensity function of 0.010  The time must be 263.5\n\n");
    EXPECT_EQ(d.errorText(4),
              "\r\nModel Execution Returned Error:\r\n"
              "\r\nThe total faults estimate was less than the observed faults to date.");
}

}  // namespace
