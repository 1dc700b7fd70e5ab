// Feeds the engine fuzzed numbers: the bytes choose the data kind, the estimation method and
// the analyses, then spell the values (zeros, ties, small integers, anything from 1e-300 to
// 1e300). Every model runs; every estimate, predicted value, statistic and report text is
// scanned, and anything not finite (or a success outside its domain) stops the run.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "execution/interval_execution.h"
#include "execution/interval_summary_report.h"
#include "execution/model_reports.h"
#include "execution/result_screening.h"
#include "execution/tbf_execution.h"
#include "execution/tbf_summary_report.h"
#include "tests/execution/scripted_host.h"

namespace {

using namespace vnk;
using namespace vnk::execution;

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "engine fuzz: %s\n", what.c_str());
    std::abort();
}

void CheckFinite(double x, const std::string& what) {
    if (!std::isfinite(x)) Fail(what + " is not finite");
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// "inf" or "nan" as a word of its own, as printf writes a value that is not finite.
void CheckText(const std::string& text, const std::string& what) {
    for (std::size_t i = 0; i + 3 <= text.size(); ++i) {
        const char a = static_cast<char>(text[i] | 0x20), b = static_cast<char>(text[i + 1] | 0x20),
                   c = static_cast<char>(text[i + 2] | 0x20);
        const bool word = (a == 'i' && b == 'n' && c == 'f') || (a == 'n' && b == 'a' && c == 'n');
        if (!word) continue;
        if (i > 0 && IsLetter(text[i - 1])) continue;
        if (i + 3 < text.size() && IsLetter(text[i + 3])) continue;
        Fail(what + " shows a value that is not finite:\n" + text);
    }
}

class Bytes {
  public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return at_ >= size_; }
    std::uint8_t next() { return at_ < size_ ? data_[at_++] : 0; }
    double value() {
        const std::uint8_t kind = next(), a = next(), b = next();
        switch (kind % 4) {
            case 0:
                return 0.0;
            case 1:
                return static_cast<double>(a % 8);
            case 2:
                return (1.0 + b / 256.0) * std::pow(10.0, (a % 9) - 2);
            default:
                return (1.0 + b / 256.0) * std::pow(10.0, static_cast<int>(a % 201) * 3 - 300);
        }
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

template <class Stats>
void CheckStats(const Stats& stats, const std::string& what) {
    for (double x : stats.values) CheckFinite(x, what + " estimate table");
}

void AskEveryQuestion(const models::ModelDescription& d, const models::ModelContext& ctx,
                      models::PredictionValues& values, const std::string& what) {
    for (std::size_t q = 0; q < d.predictions.size(); ++q) {
        if (!d.predictions[q].inputEnabled) continue;
        const std::vector<double> inputs(static_cast<std::size_t>(d.predictions[q].inputCount),
                                         1.0);
        const auto outcome = AskPrediction(d, ctx, static_cast<int>(q), inputs, values);
        if (!outcome.computed || !outcome.errorMessage.empty()) continue;
        for (double x : outcome.outputs) CheckFinite(x, what + " prediction");
    }
}

void RunTbf(Bytes& in, int n, std::uint8_t flags) {
    TbfWorkingData data;
    for (int i = 0; i < n; ++i) data.DAT.push_back(in.value());
    TbfSelection s;
    s.selectAllModels = true;
    if ((flags & 4) && n >= 6) {
        s.applicability = true;
        s.selectAllMeasures = true;
        s.NSB = n / 2;
        s.NSE = n - 1;
    }
    ProgramOptions options;
    if (flags & 8) options.numericalMethod = method::kLeastSquares;
    test::ScriptedHost host;
    const auto r = RunTbfExecution(data, s, options, host);
    for (int slot = 0; slot < kTbfSlotCount; ++slot) {
        const auto* d = TbfSlotDescription(slot);
        if (!r.executed[slot] || d == nullptr) continue;
        const std::string what = std::string("TBF ") + TbfSlotLabel(slot);
        auto values = OpeningPredictionValues(*d, TbfModelContext(r, slot));
        if (r.status[slot] == model_status::kSucceeded) {
            CheckStats(r.stats[slot], what);
            if (!TbfEstimatesInDomain(r.stats[slot])) Fail(what + " succeeded outside its domain");
            for (double x : r.predicted[slot]) CheckFinite(x, what + " predicted value");
            AskEveryQuestion(*d, TbfModelContext(r, slot), values, what);
        }
        for (int m = 0; m < kMeasureCount; ++m)
            if (r.measure(slot, m).RFLAG == 0)
                CheckFinite(r.measure(slot, m).STAT, what + " measure");
        CheckText(TbfModelReport(r, slot, values), what + " report");
    }
    for (const auto& page : TbfSummaryReport(r)) CheckText(page, "TBF summary");
}

void RunIntervals(Bytes& in, int n, std::uint8_t flags) {
    IntervalWorkingData data;
    double previous = 0.0;
    for (int i = 0; i < n; ++i) {
        const double count = std::floor(in.value());
        data.counts.push_back(count);
        data.lengths.push_back((flags & 16) ? 1.0 : in.value());
        data.fractions.push_back(1.0);
        data.previousFaults.push_back(previous);
        previous += count;
    }
    IntervalSelection s;
    s.selectAll = true;
    if ((flags & 4) && n >= 6) {
        s.accuracy = true;
        s.NSB = n / 2;
        s.NSE = n - 1;
    }
    ProgramOptions options;
    if (flags & 8) options.numericalMethod = method::kLeastSquares;
    test::ScriptedHost host;
    const auto r = RunIntervalExecution(data, s, options, host);
    constexpr double kPmax = 1000.0;
    for (int slot = 0; slot < kIntervalSlotCount; ++slot) {
        const auto* d = IntervalSlotDescription(slot);
        if (!r.ran[slot] || d == nullptr) continue;
        const std::string what = std::string("interval ") + IntervalSlotLabel(slot);
        auto values = OpeningPredictionValues(*d, IntervalModelContext(r, slot, kPmax));
        if (r.status[slot] == status::kOk) {
            CheckStats(r.stats[slot], what);
            if (!IntervalEstimatesInDomain(slot, r.stats[slot]))
                Fail(what + " succeeded outside its domain");
            for (double x : r.predicted[slot]) CheckFinite(x, what + " predicted value");
        }
        if (r.status[slot] == status::kOk)
            AskEveryQuestion(*d, IntervalModelContext(r, slot, kPmax), values, what);
        CheckText(IntervalModelReport(r, slot, kPmax, values), what + " report");
    }
    for (const auto& page : IntervalSummaryReport(r)) CheckText(page, "interval summary");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    Bytes in(data, size);
    const std::uint8_t flags = in.next();
    // Small sets: the fits are what is under test, and a small set keeps each run quick.
    const int n = 1 + in.next() % 40;
    if (flags & 1)
        RunIntervals(in, n, flags);
    else
        RunTbf(in, n, flags);
    return 0;
}
