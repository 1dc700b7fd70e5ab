#include "cli/batch_run.h"

#include <cstdio>

#include "execution/applicability_range.h"
#include "execution/interval_execution.h"
#include "execution/model_reports.h"
#include "execution/selection_rules.h"
#include "execution/tbf_execution.h"
#include "execution/trend_analysis.h"
#include "models/brooks_motley_gp_models.h"
#include "numerics/vnkdst.h"

namespace vnk::batch {
namespace {

using namespace execution;

struct UsageError {
    std::string message;
};

// The host of the command line: every screen is answered as OK on the unchanged screen would
// answer it, unless an option gives the values.
class BatchHost : public ExecutionHost {
  public:
    BatchHost(const BatchOptions& batch, bool progress, bool tbf)
        : batch_(batch), progress_(progress), tbf_(tbf) {}

    std::string error;

    void lavStartingValues(LavStartRequest& r) override {
        if (batch_.lavStart) r.BETA = *batch_.lavStart;
    }
    void brooksMotleyStart(BrooksMotleyStartRequest& r) override {
        if (!batch_.bmStart) return;
        const auto& [PEC, PED, TNOF] = *batch_.bmStart;
        // The screen keeps itself open for a total below the one it shows or above 1e7.
        if (!models::BrooksMotleyTotalAccepted(TNOF, r.computedTNOF)) {
            refuse("--bm-start: " + totalRange(r.TNOF));
            return;
        }
        r.PEC = PEC;
        r.PED = PED;
        r.TNOF = TNOF;
    }
    void generalizedPoissonStart(GeneralizedPoissonStartRequest& r) override {
        if (!batch_.gpStart) return;
        const auto& [ALPHA, AN] = *batch_.gpStart;
        // The screen keeps itself open for an AN below the last count or above 1e7.
        if (!models::GeneralizedPoissonTotalAccepted(AN, r.lastCount)) {
            refuse("--gp-start: " + totalRange(r.lastCount));
            return;
        }
        r.ALPHA = ALPHA;
        r.AN = AN;
    }
    void schneidewindS(SchneidewindSRequest& r) override {
        r.S2 = batch_.sdwS ? (*batch_.sdwS)[0] : 0;
        r.S3 = batch_.sdwS ? (*batch_.sdwS)[1] : 0;
    }
    void projectionInputs(ProjectionInputsRequest& r) override {
        if (batch_.testTime) r.totalTestTime = *batch_.testTime;
        if (batch_.aModeFailures) r.aModeFailures = *batch_.aModeFailures;
    }
    void stepStarted(int slot, int column) override {
        if (!progress_) return;
        const char* label = tbf_ ? TbfSlotLabel(slot) : IntervalSlotLabel(slot);
        static constexpr const char* tbfColumns[] = {"accuracy", "bias", "noise", "trend",
                                                     "estimation"};
        const char* what = tbf_ ? tbfColumns[column] : (column == 0 ? "accuracy" : "estimation");
        std::fprintf(stderr, "\r%s: %-6s %-10s", kProgramName, label, what);
        std::fflush(stderr);
    }
    void clearProgress() const {
        if (progress_) std::fprintf(stderr, "\r%60s\r", "");
    }

  private:
    static std::string number(double v) {
        char text[64];
        std::snprintf(text, sizeof text, "%g", v);
        return text;
    }
    // The accepted totals run from the data's own total to 1e7; data whose total is already
    // above that leave no value to enter, and the message says so instead of an empty range.
    static std::string totalRange(double lowest) {
        if (lowest <= 1e7)
            return "the total number of faults must lie between " + number(lowest) +
                   " and 10000000";
        return "no total number of faults can be accepted: the data's total, " + number(lowest) +
               ", is above the largest accepted total, 10000000";
    }
    void refuse(const std::string& message) {
        if (error.empty()) error = message;
    }

    const BatchOptions& batch_;
    bool progress_;
    bool tbf_;
};

bool isAll(const std::vector<std::string>& names) {
    return names.size() == 1 && (names[0] == "ALL" || names[0] == "all");
}

int tbfSlotNamed(const std::string& name) {
    for (int slot = 0; slot < kTbfSlotCount; ++slot)
        if (name == TbfSlotLabel(slot)) return slot;
    return -1;
}

int intervalSlotNamed(const std::string& name) {
    for (int slot = 0; slot < kIntervalSlotCount; ++slot)
        if (name == IntervalSlotLabel(slot)) return slot;
    return -1;
}

int intervalChoiceNamed(const std::string& name) {
    static constexpr std::array<const char*, kIntervalChoiceCount> names{"BM-B", "BM-P", "GP",
                                                                         "NHP",  "SDW",  "YAM"};
    for (int c = 0; c < kIntervalChoiceCount; ++c)
        if (name == names[static_cast<std::size_t>(c)]) return c;
    return -1;
}

// The measures of the options as the measure screen records them.
void chooseMeasures(const BatchOptions& batch, TbfSelection& s) {
    if (batch.measures.empty()) return;
    s.applicability = true;
    static constexpr std::array<const char*, kMeasureCount> names{"accuracy", "bias", "noise",
                                                                  "trend"};
    for (const auto& m : batch.measures) {
        if (m == "all") s.selectAllMeasures = true;
        for (int i = 0; i < kMeasureCount; ++i)
            if (m == names[static_cast<std::size_t>(i)])
                s.measures[static_cast<std::size_t>(i)] = true;
    }
}

ApplicabilityRange checkedRange(const BatchOptions& batch, int N) {
    ApplicabilityRange range = DefaultApplicabilityRange(N);
    if (batch.range) range = {(*batch.range)[0], (*batch.range)[1]};
    if (!ApplicabilityRangeAccepted(N, range)) throw UsageError{kApplicabilityRangeMessage};
    return range;
}

// ---- Selections --------------------------------------------------------------------------

struct TbfChoice {
    TbfSelection software;
    HardwareSelection hardware;
    bool hardwareClass = false;
};

TbfChoice tbfChoice(const BatchOptions& batch, const FailureDataSet& set) {
    TbfChoice c;
    bool software = false;
    if (isAll(batch.models)) {
        c.hardwareClass = set.errorHistory == ErrorHistory::Hardware;
        if (c.hardwareClass)
            c.hardware.selectAll = true;
        else
            c.software.selectAllModels = true;
        software = !c.hardwareClass;
    } else {
        for (const auto& name : batch.models) {
            if (name == "PROJECTION" || name == models::crow::kCode) {
                (name == "PROJECTION" ? c.hardware.projection : c.hardware.crowAmsaa) = true;
                c.hardwareClass = true;
            } else if (const int slot = tbfSlotNamed(name); slot >= 0) {
                c.software.models[static_cast<std::size_t>(slot)] = true;
                software = true;
            } else {
                throw UsageError{"--models: " + name +
                                 " is not a TBF model (GEO, JAM, LAV-L, LAV-Q, MUS, MSA, NPT, "
                                 "projection, crow-amsaa or all)"};
            }
        }
        if (software && c.hardwareClass)
            throw UsageError{"--models: software and hardware models cannot be run together"};
    }
    const auto cls = c.hardwareClass ? ModelClass::Hardware : ModelClass::Software;
    const auto e = TbfSelectionScreenEnables(set.errorHistory, batch.method == 2 ? 2 : 1,
                                             set.hardwareFieldsPresent, cls, c.software);
    if (software) {
        if (!e.softwareGroup)
            throw UsageError{"--models: the software models do not run on hardware data"};
        for (int slot = 0; slot < kTbfSlotCount; ++slot)
            if (c.software.models[static_cast<std::size_t>(slot)] &&
                !e.models[static_cast<std::size_t>(slot)])
                throw UsageError{std::string("--models: ") + TbfSlotLabel(slot) +
                                 " does not run with the ls method"};
    } else if (!e.hardwareGroup) {
        throw UsageError{"--models: the hardware models do not run on software data"};
    }
    if (!batch.measures.empty()) {
        if (c.hardwareClass)
            throw UsageError{"--measures: the hardware models have no applicability analyses"};
        chooseMeasures(batch, c.software);
        const ApplicabilityRange range = checkedRange(batch, set.tbfCount);
        c.software.NSB = range.NSB;
        c.software.NSE = range.NSE;
    }
    return c;
}

IntervalSelection intervalChoice(const BatchOptions& batch, const FailureDataSet& set) {
    IntervalSelection s;
    if (isAll(batch.models)) {
        s.selectAll = true;
    } else {
        for (const auto& name : batch.models) {
            const int choice = intervalChoiceNamed(name);
            if (choice < 0)
                throw UsageError{
                    "--models: " + name +
                    " is not an interval model (BM-B, BM-P, GP, NHP, SDW, YAM or all)"};
            s.models[static_cast<std::size_t>(choice)] = true;
        }
    }
    const auto e = IntervalSelectionScreenEnables(set.errorHistory, batch.method, s);
    for (const auto& name : batch.models) {
        const int c = intervalChoiceNamed(name);
        if (c >= 0 && !e.models[static_cast<std::size_t>(c)])
            throw UsageError{"--models: " + name + " does not run with the ls method"};
    }
    if (!batch.measures.empty()) {
        for (const auto& m : batch.measures)
            if (m != "accuracy" && m != "all")
                throw UsageError{"--measures: interval data have the accuracy analysis only"};
        s.accuracy = true;
        const ApplicabilityRange range = checkedRange(batch, set.intervalCount);
        s.NSB = range.NSB;
        s.NSE = range.NSE;
    }
    return s;
}

HardwareSelection hardwareIntervalChoice(const BatchOptions& batch) {
    HardwareSelection h;
    if (isAll(batch.models)) {
        h.selectAll = true;
    } else {
        for (const auto& name : batch.models) {
            if (name != "DISCRETE" && name != models::crow::kCode)
                throw UsageError{"--models: " + name +
                                 " is not a hardware interval model (discrete, crow-amsaa or "
                                 "all)"};
            (name == "DISCRETE" ? h.discrete : h.crowAmsaa) = true;
        }
    }
    if (!batch.measures.empty())
        throw UsageError{"--measures: the hardware models have no applicability analyses"};
    return h;
}

// ---- Predictions ---------------------------------------------------------------------------

const models::ModelDescription* descriptionOf(bool tbf, int slot) {
    return tbf ? TbfSlotDescription(slot) : IntervalSlotDescription(slot);
}

// Checks every --predict against the models of the selection before anything runs.
void checkPredictions(const BatchOptions& batch, bool tbf, const TbfSelection& tbfSelection,
                      const IntervalSelection& intervalSelection, bool software) {
    for (const auto& p : batch.predictions) {
        if (p.model == models::crow::kCode) continue;  // checked with the hardware selection
        if (!software) throw UsageError{"--predict: the hardware models have no predictions"};
        const int slot = tbf ? tbfSlotNamed(p.model) : intervalSlotNamed(p.model);
        if (slot < 0)
            throw UsageError{"--predict: " + p.model + " is not a model of this kind of data"};
        const bool selected = tbf ? TbfSlotExecuted(tbfSelection, batch.method, slot)
                                  : intervalSelection.chosen(ChoiceOfSlot(slot));
        if (!selected) throw UsageError{"--predict: " + p.model + " is not among the models run"};
        const auto* d = descriptionOf(tbf, slot);
        if (!d) throw UsageError{"--predict: " + p.model + " is not part of this build"};
        if (p.question < 1 || p.question > static_cast<int>(d->predictions.size()))
            throw UsageError{"--predict: " + p.model + " has questions 1 to " +
                             std::to_string(d->predictions.size())};
        const auto& q = d->predictions[static_cast<std::size_t>(p.question - 1)];
        if (!q.inputEnabled)
            throw UsageError{"--predict: question " + std::to_string(p.question) + " of " +
                             p.model + " cannot be entered on its result screen"};
        if (static_cast<int>(p.inputs.size()) > q.inputCount)
            throw UsageError{"--predict: question " + std::to_string(p.question) + " of " +
                             p.model + " takes " + std::to_string(q.inputCount) + " value(s)"};
    }
}

// Asks one question of a result screen and records it as the report and the JSON show it.
void askOne(const models::ModelDescription& d, const models::ModelContext& ctx,
            const PredictRequest& p, const std::string& where, SlotPredictions& sp,
            std::vector<std::string>& notes) {
    const auto outcome = AskPrediction(d, ctx, p.question - 1, p.inputs, sp.values);
    AskedPrediction asked;
    asked.question = p.question;
    asked.inputs = sp.values.inputs[static_cast<std::size_t>(p.question - 1)];
    asked.outputs = sp.values.outputs[static_cast<std::size_t>(p.question - 1)];
    asked.flag = outcome.errorMessage.empty() ? 0 : 1;
    asked.message = outcome.errorMessage;
    if (!outcome.errorMessage.empty()) notes.push_back(where + outcome.errorMessage);
    sp.asked.push_back(asked);
}

void answerPredictions(const BatchOptions& batch, bool tbf, BatchResult& result) {
    const auto context = [&](int slot) {
        return tbf ? TbfModelContext(*result.tbf, slot)
                   : IntervalModelContext(*result.interval, slot, result.PMAX);
    };
    const auto hasReport = [&](int slot) {
        return tbf ? result.tbf->executed[slot] : result.interval->ran[slot];
    };
    const auto failed = [&](int slot) {
        return tbf ? TbfSlotFailed(*result.tbf, slot) : IntervalSlotFailed(*result.interval, slot);
    };
    const int slots = tbf ? kTbfSlotCount : kIntervalSlotCount;
    for (int slot = 0; slot < slots; ++slot) {
        const auto* d = descriptionOf(tbf, slot);
        if (d && hasReport(slot))
            result.predictions[slot].values = OpeningPredictionValues(*d, context(slot));
    }
    for (const auto& p : batch.predictions) {
        const int slot = tbf ? tbfSlotNamed(p.model) : intervalSlotNamed(p.model);
        const auto* d = descriptionOf(tbf, slot);
        const std::string where = p.model + " question " + std::to_string(p.question) + ": ";
        if (!hasReport(slot) || failed(slot)) {
            result.notes.push_back(where + "the model has no results to predict from");
            continue;
        }
        const auto ctx = context(slot);
        if (d->runEnabled && !d->runEnabled(ctx)) {
            result.notes.push_back(where + "the result screen's Run button is not available");
            continue;
        }
        askOne(*d, ctx, p, where, result.predictions[slot], result.notes);
    }
}

models::crow::Settings crowSettings(const BatchOptions& batch) {
    return {batch.confidence, batch.oneSided ? BoundSides::OneSided : BoundSides::TwoSided};
}

void checkCrowPredictions(const BatchOptions& batch, bool chosen) {
    for (const auto& p : batch.predictions) {
        if (p.model != models::crow::kCode) continue;
        if (!chosen) throw UsageError{"--predict: " + p.model + " is not among the models run"};
        const auto& d = models::crow::Description(false, crowSettings(batch));
        if (p.question < 1 || p.question > static_cast<int>(d.predictions.size()))
            throw UsageError{"--predict: " + p.model + " has questions 1 to " +
                             std::to_string(d.predictions.size())};
        if (p.inputs.size() > 1)
            throw UsageError{"--predict: question " + std::to_string(p.question) + " of " +
                             p.model + " takes 1 value(s)"};
    }
}

void answerCrowPredictions(const BatchOptions& batch, BatchResult& result) {
    const auto& run = result.hardware->crowAmsaa;
    if (!run.ran) return;
    const auto& a = run.analysis;
    const auto& d = models::crow::Description(a.grouped, a.settings);
    const models::ModelContext ctx = models::crow::ContextOf(a);
    result.crowPredictions.values = OpeningPredictionValues(d, ctx);
    for (const auto& p : batch.predictions) {
        if (p.model != models::crow::kCode) continue;
        const std::string where = p.model + " question " + std::to_string(p.question) + ": ";
        if (a.status != crow_amsaa_status::kOk)
            result.notes.push_back(where + "the model has no results to predict from");
        else
            askOne(d, ctx, p, where, result.crowPredictions, result.notes);
    }
}

// Estimates whose root search stopped short of six significant digits (small time units).
void noteCoarseTolerances(BatchResult& result) {
    auto note = [&](const char* label) {
        result.notes.push_back(std::string(label) +
                               ": the estimate is accurate to fewer digits than shown (the root "
                               "search's tolerance is coarse for this time unit); "
                               "--estimation robust solves it to full precision");
    };
    if (result.tbf)
        for (int slot : kTbfProcessingOrder)
            if (result.tbf->executed[slot] && result.tbf->coarseTolerance[slot])
                note(TbfSlotLabel(slot));
    if (result.interval)
        for (int slot = 0; slot < kIntervalSlotCount; ++slot)
            if (result.interval->ran[slot] && result.interval->coarseTolerance[slot])
                note(IntervalSlotLabel(slot));
}

}  // namespace

std::string RunBatch(const BatchOptions& batch, const FailureDataSet& set, ProgramOptions& options,
                     bool progress, BatchResult& result) {
    try {
        if (batch.models.empty() && !batch.trend)
            throw UsageError{"You must select a model to execute"};
        options.numericalMethod = batch.method;
        options.robustEstimation = batch.robustEstimation;
        options.skipFailedRefits = batch.skipFailedRefits;
        result.robustEstimation = batch.robustEstimation;
        if (batch.cells) options.cellCombinations = *batch.cells;
        if (batch.iterationMax) options.iterationMaximum = *batch.iterationMax;
        result.PMAX = options.iterationMaximum;
        result.history = set.errorHistory;
        const bool tbf = set.dataKind == DataKind::Tbf;
        result.kind = tbf ? DataKindOption::Tbf
                      : set.errorHistory == ErrorHistory::Hardware
                          ? DataKindOption::HardwareInterval
                          : DataKindOption::Interval;
        result.count = tbf ? set.tbfCount : set.intervalCount;
        result.unit = set.tbfUnit;
        result.failureFreeTime = set.failureFreeTime;
        result.file = batch.file;
        if (batch.trend) result.trend = TrendAnalysisOf(set);
        if (batch.models.empty()) {  // the trend analysis alone
            EndModelExecutionCommand(options);
            return "";
        }
        BatchHost host(batch, progress, tbf);

        if (result.kind == DataKindOption::Tbf) {
            TbfChoice choice = tbfChoice(batch, set);
            checkPredictions(batch, true, choice.software, {}, !choice.hardwareClass);
            checkCrowPredictions(batch, choice.hardware.crowAmsaa);
            if (choice.hardwareClass) {
                choice.hardware.crowSettings = crowSettings(batch);
                result.hardware = RunTbfHardwareExecution(set, choice.hardware, options, host);
                // Data the projection cannot use are an input error of the command line.
                if (!result.hardware->messages.empty())
                    throw UsageError{result.hardware->messages.front().text};
                // The software slots stay "not executed"; the statistics describe the data.
                result.tbf = execution::TbfExecutionResults{};
                result.tbf->NS = set.tbfCount;
                result.tbf->data = TbfWorkingDataOf(set).DAT;
                std::vector<double> sorted(result.tbf->data.size());
                VNKDST(ConstRealArray(result.tbf->data), set.tbfCount, dst::kAll,
                       RealArray(result.tbf->dataStatistics), RealArray(sorted));
                answerCrowPredictions(batch, result);
            } else {
                result.tbf = RunTbfExecution(TbfWorkingDataOf(set), choice.software, options, host);
                if (batch.compare) result.comparison = CompareTbfModels(*result.tbf, batch.holdOut);
                answerPredictions(batch, true, result);
            }
        } else if (result.kind == DataKindOption::Interval) {
            const IntervalSelection selection = intervalChoice(batch, set);
            checkPredictions(batch, false, {}, selection, true);
            result.interval =
                RunIntervalExecution(IntervalWorkingDataOf(set), selection, options, host);
            if (batch.compare)
                result.comparison = CompareIntervalModels(*result.interval, batch.holdOut);
            answerPredictions(batch, false, result);
        } else {
            HardwareSelection selection = hardwareIntervalChoice(batch);
            checkPredictions(batch, false, {}, {}, false);
            checkCrowPredictions(batch, selection.crowAmsaa);
            selection.crowSettings = crowSettings(batch);
            result.hardware = RunIntervalHardwareExecution(set, selection, options);
            answerCrowPredictions(batch, result);
            for (const auto& m : result.hardware->messages)
                result.notes.push_back(m.caption + ": " + m.text);
        }
        host.clearProgress();
        if (!host.error.empty()) throw UsageError{host.error};
        noteCoarseTolerances(result);
    } catch (const UsageError& e) {
        EndModelExecutionCommand(options);
        return e.message;
    }
    return "";
}

}  // namespace vnk::batch
