#include <cmath>

#include "models/musa_nhpp_tbf_models.h"
#include "models/positive_input_rule.h"
#include "models/tbf_prediction_texts.h"
#include "models/tbf_slots.h"
#include "numerics/musa_basic.h"
#include "numerics/musa_calendar.h"

namespace vnk::models {
namespace {

using Kind = PredictionPiece::Kind;
using Reset = ResetOnNonPositive;

PredictionQuestion ReliabilityQuestion() {
    return PositiveInputQuestion(ReliabilityPieces(), 1, 1, Reset::Input,
                                 [](const ModelContext& ctx, double LOP, PredictionOutcome& out) {
                                     SMUSP1(ctx.tbfStats, ctx.data, ctx.NS, LOP, out.outputs[0]);
                                 });
}

PredictionQuestion NextFailuresQuestion() {
    return PositiveInputQuestion(
        NextFailuresPieces(), 2, 1, Reset::Outputs,
        [](const ModelContext& ctx, double K, PredictionOutcome& out) {
            int ERRFLG = 0;
            SMUSP3(ctx.tbfStats, ctx.data, ctx.NS, K, out.outputs[0], ERRFLG);
            if (ERRFLG == 1) {
                out.outputs[0] = 0.0;
                out.errorMessage =
                    "The input desired number of failures is illegal for Prediction 2.";
            }
        });
}

// Outputs in screen order: 0 = failures (PVAL2), 1 = time (PVAL1).
PredictionQuestion DesiredIntensityQuestion() {
    return PositiveInputQuestion(
        DesiredIntensityPieces(), 3, 2, Reset::Input,
        [](const ModelContext& ctx, double DIF, PredictionOutcome& out) {
            int ERRLFG = 0;
            SMUSP4(ctx.tbfStats, DIF, out.outputs[1], out.outputs[0], ERRLFG);
            if (ERRLFG == 1) out.errorMessage = "Input greater than current for Prediction 3";
        });
}

// Outputs in screen order: 0 = failures (PVAL2), 1 = time (PVAL1).
PredictionQuestion DesiredMtbnfQuestion() {
    return PositiveInputQuestion(
        {{Kind::Text, ">  To reach a desired MTBNF of ", 0},
         {Kind::Input, "", 0},
         {Kind::Text, ", the number of failures must be ", 0},
         {Kind::Output, "", 0},
         {Kind::Text, "and the time must be", 0},
         {Kind::Output, "", 1}},
        4, 2, Reset::Input, [](const ModelContext& ctx, double DMTBNF, PredictionOutcome& out) {
            int ERRLFG = 0;
            SMUSP5(ctx.tbfStats, DMTBNF, ctx.NS, out.outputs[1], out.outputs[0], ERRLFG);
            if (ERRLFG == 1) out.errorMessage = "Input less than current for Prediction 4";
        });
}

PredictionQuestion FurtherFailuresQuestion() {
    return PositiveInputQuestion(FurtherFailuresPieces(), 5, 1, Reset::Outputs,
                                 [](const ModelContext& ctx, double LOP, PredictionOutcome& out) {
                                     SMUSP6(ctx.tbfStats, ctx.data, ctx.NS, LOP, out.outputs[0]);
                                 });
}

std::string EstimationBlock(const ModelContext& ctx) {
    const TbfStats& S = ctx.tbfStats;
    using namespace tbf_row;
    return Format(
        "    MUSA'S BASIC MODEL\n"
        "    ESTIMATIONS                       Estimate  95%% Confidence Interval\n"
        "                                  ------------  -----------------------\n"
        "\n"
        "      BETA0 Parameter             %12.3f\n"
        "      BETA1 Parameter             %12.3f\n"
        "\n"
        "      Initial Intensity Function  %12.3f\n"
        "      Current Intensity Function  %12.3f\n"
        "\n"
        "      Initial MTBNF               %12.1f       (%3.1f,%3.1f)\n"
        "      Current MTBNF               %12.1f\n"
        "\n"
        "      Total Number of Faults      %12.1f       (%5.3f,%5.3f)\n"
        "      TNOF Remaining              %12.1f       (%5.3f,%5.3f)\n"
        "\n"
        "      Purification Level          %12.3f\n"
        "\n"
        "\n",
        S(2, kEstimate), S(3, kEstimate), S(kInitialIntensity, kEstimate),
        S(kCurrentIntensity, kEstimate), S(kInitialMtbnf, kEstimate), S(kInitialMtbnf, kLower),
        S(kInitialMtbnf, kUpper), S(kCurrentMtbnf, kEstimate), S(kTotalFaults, kEstimate),
        S(kTotalFaults, kLower), S(kTotalFaults, kUpper), S(kRemainingFaults, kEstimate),
        S(kRemainingFaults, kLower), S(kRemainingFaults, kUpper), S(kPurificationLevel, kEstimate));
}

std::string PredictionLines(const PredictionValues& v) {
    const double LOP1 = ValueAt(v.inputs, 0, 0);
    const double K = ValueAt(v.inputs, 1, 0);
    const double DIF = ValueAt(v.inputs, 2, 0);
    const double DMTBNF = ValueAt(v.inputs, 3, 0);
    const double LOP5 = ValueAt(v.inputs, 4, 0);
    if (LOP1 == 0.0 && K == 0.0 && DIF == 0.0 && DMTBNF == 0.0 && LOP5 == 0.0) return "";
    std::string out = "    PREDICTIONS\n\n";
    if (LOP1 != 0.0) out += ReliabilityLine(LOP1, ValueAt(v.outputs, 0, 0));
    if (K != 0.0) out += NextFailuresLine(K, ValueAt(v.outputs, 1, 0));
    if (DIF != 0.0)
        out += DesiredIntensityLine(DIF, ValueAt(v.outputs, 2, 0), ValueAt(v.outputs, 2, 1));
    if (DMTBNF != 0.0)
        out += Format(
            "      To reach a desired MTBNF of %3.1f  The number of failures must be %3.1f\n"
            "        and the time must be %3.1f\n\n",
            DMTBNF, ValueAt(v.outputs, 3, 0), ValueAt(v.outputs, 3, 1));
    if (LOP5 != 0.0) out += FurtherFailuresLine(LOP5, ValueAt(v.outputs, 4, 0));
    return out;
}

ModelDescription Build() {
    using namespace tbf_row;
    ModelDescription d;
    d.code = TbfSlotNamesOf(slot_order::kMusaBasic).code;
    d.title = "Musa's Basic Model";
    d.plotTitle = "Musa's Basic Model";
    d.estimates = {{"BETA0 Parameter:", 2, false},
                   {"BETA1 Parameter:", 3, false},
                   {"Initial Intensity Function:", kInitialIntensity, false},
                   {"Current Intensity Function:", kCurrentIntensity, false},
                   {"Initial Mean Time Before Next Failure:", kInitialMtbnf, true},
                   {"Current Mean Time Before Next Failure:", kCurrentMtbnf, false},
                   {"Total Number of Faults:", kTotalFaults, true},
                   {"Total Number of Faults Remaining:", kRemainingFaults, true},
                   {"Purification Level:", kPurificationLevel, false}};
    d.predictions = {ReliabilityQuestion(), NextFailuresQuestion(), DesiredIntensityQuestion(),
                     DesiredMtbnfQuestion(), FurtherFailuresQuestion()};
    d.estimationBlock = EstimationBlock;
    d.predictionLines = [](const ModelContext&, const PredictionValues& v) {
        return PredictionLines(v);
    };
    d.errorText = TotalFaultsErrorText;
    // Nothing is left to predict once fewer than half a fault remains.
    d.runEnabled = [](const ModelContext& ctx) {
        return ctx.tbfStats(kRemainingFaults, kEstimate) >= 0.5;
    };
    return d;
}

}  // namespace

const ModelDescription& MusaBasicModel() {
    static const ModelDescription d = Build();
    return d;
}

const std::vector<CalendarTimeField>& CalendarTimeFields() {
    using In = CalendarTimeInputs;
    static const std::vector<CalendarTimeField> fields = {
        {"Number of Failures:", nullptr},
        {"Total Number of Faults:", &In::TNOF},
        {"Current Mean Time Before Next Failure:", &In::CMTBFH},
        {"Initial Mean Time Before Next Failure:", &In::IMTBFH},
        {"Number of Failure Identification Personnel:", &In::PI},
        {"Number of Failure Correction personnel:", &In::PF},
        {"Number of Computer Shifts (Example - If a work week is 40 hours and the computer is "
         "available 80 hours a week, then enter the number 2. ):",
         &In::PC},
        {"Average amount of computer (WALLCLOCK) time expended per unit of execution time:",
         &In::TC},
        {"Average amount of identification work expended per unit of execution time:", &In::TI},
        {"Average amount of computer time (hrs.) expended per failure:", &In::XMC},
        {"Average amount of identification work (hrs.) required per failure:", &In::XMI},
        {"Average amount of correction work (hrs.) required per failure:", &In::XMF},
        {"Maximum error queue length for a debugger:", &In::XMQ},
        {"Associated probability that the queue will be no larger than the value just input:",
         &In::PMQ},
        {"Computer Utilization Factor (0 .LT. X .LE. 1):", &In::RHOC},
        {"Enter a desired MTBNF for the program (In hours and larger than the current estimated "
         "value:",
         &In::DMTBFH},
    };
    return fields;
}

std::string CalendarTimeWarning(int tbfUnit) {
    constexpr int kHours = 3;
    if (tbfUnit == kHours) return "";
    return "Model requires estimates measured in hours; alter values as needed.";
}

CalendarTimeInputs CalendarTimeDefaults(const ModelContext& ctx) {
    CalendarTimeInputs in;
    in.NS = ctx.NS;
    in.TNOF = ctx.tbfStats(tbf_row::kTotalFaults, kEstimate);
    in.CMTBFH = ctx.tbfStats(tbf_row::kCurrentMtbnf, kEstimate);
    in.IMTBFH = ctx.tbfStats(tbf_row::kInitialMtbnf, kEstimate);
    return in;
}

CalendarTimeOutcome RunCalendarTime(const CalendarTimeInputs& in) {
    CalendarTimeOutcome out;
    // Below the current MTBNF the segments run backwards and the hours come out negative.
    if (!(in.DMTBFH > in.CMTBFH)) {
        out.errorMessage =
            "The desired MTBNF must be larger than the current Mean Time Before Next Failure.";
        return out;
    }
    SMUSCT(in.TNOF, in.CMTBFH, in.DMTBFH, in.IMTBFH, in.NS, in.PC, in.PF, in.PI, in.PMQ, in.RHOC,
           in.TC, in.TI, in.XMC, in.XMF, in.XMI, in.XMQ, out.XINT);
    // Negative resources or a total below the failures seen can also give negative hours.
    if (!std::isfinite(out.XINT) || out.XINT < 0.0) {
        out.XINT = 0.0;
        out.errorMessage =
            "The calendar time cannot be computed from these values; every resource, work and "
            "time value must be positive.";
    }
    return out;
}

std::string CalendarTimeReport(const CalendarTimeInputs& in, double XINT) {
    // clang-format off
    return "\n\n\n    MUSA'S CALENDAR TIME COMPONENT REPORT\n\n" + Format(
        "    Number of Failures:                                                             : %12d\n"
        "    Total Number of Faults                                                          : %12.5lf\n"
        "    Current Mean Time Before Next Failure                                           : %12.5lf\n"
        "    Initial Mean Time Before Next Failure                                           : %12.5lf\n"
        "    Number of Failure Identification Personnel                                      : %12.5lf\n"
        "    Number of Failure Correction Personnel                                          : %12.5lf\n"
        "    Number of Computer Shifts                                                       : %12.5lf\n"
        "    Average amount of computer (WALLCLOCK) time expended per unit of execution time : %12.5lf\n"
        "    Average amount of identification work expended per unit of execution time       : %12.5lf\n"
        "    Average amount of computer time (hours) expended per failure                    : %12.5lf\n"
        "    Average amount of identification work (hours) required per failure              : %12.5lf\n"
        "    Average amount of correction work (hours) required per failure                  : %12.5lf\n"
        "    Maximum error queue length for a debugger                                       : %12.5lf\n"
        "    Associated probability that the queue will be no larger than the previous value : %12.5lf\n"
        "    Computer Utilization Factor                                                     : %12.5lf\n"
        "    Desired MTBNF (hours)                                                           : %12.5lf\n"
        "    Additional time to Mean Time Before Next Failure                                : %12.5lf\n",
        in.NS, in.TNOF, in.CMTBFH, in.IMTBFH, in.PI, in.PF, in.PC, in.TC, in.TI, in.XMC, in.XMI,
        in.XMF, in.XMQ, in.PMQ, in.RHOC, in.DMTBFH, XINT);
    // clang-format on
}

}  // namespace vnk::models
