// The comparison table: interval likelihoods against the textbook Poisson and binomial
// probabilities at the program's own estimates, the hold-out split, the mean value functions
// behind the PSSE, and what a table without likelihoods says.
#include "execution/model_comparison.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "data/program_options.h"
#include "execution/interval_execution.h"
#include "execution/tbf_execution.h"
#include "tests/execution/data4.h"

namespace vnk::execution {
namespace {

using vnk::test::Data4;

const ComparisonEntry& EntryOf(const ModelComparison& c, const std::string& code) {
    for (const auto& e : c.entries)
        if (e.information.model == code) return e;
    throw std::runtime_error("no entry " + code);
}

double LogFactorial(double c) { return std::lgamma(c + 1.0); }

TEST(ModelComparison, IntervalLikelihoodsMatchPoissonAndBinomialProbabilities) {
    const IntervalWorkingData d = Data4();
    IntervalSelection s;
    s.models[kChooseNhp] = s.models[kChooseBmB] = true;
    ProgramOptions options;
    ExecutionHost host;
    const IntervalExecutionResults r = RunIntervalExecution(d, s, options, host);
    ASSERT_EQ(r.status[kNhp], 0);
    ASSERT_EQ(r.status[kBmBinomial], 0);

    // NHPP on intervals: counts Poisson with mean N (e^(-b T_{i-1}) - e^(-b T_i)).
    const double N = r.stats[kNhp](5, kEstimate), b = r.stats[kNhp](3, kEstimate);
    double nhp = 0.0, T = 0.0;
    for (std::size_t i = 0; i < d.counts.size(); ++i) {
        const double mu = N * (std::exp(-b * T) - std::exp(-b * (T + d.lengths[i])));
        T += d.lengths[i];
        nhp += d.counts[i] * std::log(mu) - mu - LogFactorial(d.counts[i]);
    }
    // Brooks and Motley binomial: of the N - M_i faults left, each is found with 1 - (1-q)^L_i.
    const double q = r.stats[kBmBinomial](4, kEstimate), total = r.stats[kBmBinomial](5, kEstimate);
    const double PEC = r.bmStart[kBmBinomial][0];
    double bmb = 0.0;
    for (std::size_t i = 0; i < d.counts.size(); ++i) {
        const double n = total - PEC * d.previousFaults[i], c = d.counts[i];
        const double p = 1.0 - std::pow(1.0 - q, d.lengths[i]);
        bmb += LogFactorial(n) - LogFactorial(c) - LogFactorial(n - c) + c * std::log(p) +
               (n - c) * std::log(1.0 - p);
    }

    const ModelComparison c = CompareIntervalModels(r, kDefaultHoldOutFraction);
    const auto& nhpEntry = EntryOf(c, "NHP");
    ASSERT_TRUE(nhpEntry.information.logLikelihood) << nhpEntry.information.reason;
    EXPECT_NEAR(*nhpEntry.information.logLikelihood, nhp, 1e-8 * std::abs(nhp));
    EXPECT_NEAR(*nhpEntry.information.bic, 2 * std::log(19.0) - 2 * nhp, 1e-7);
    const auto& bmEntry = EntryOf(c, "BM-B");
    ASSERT_TRUE(bmEntry.information.logLikelihood) << bmEntry.information.reason;
    EXPECT_NEAR(*bmEntry.information.logLikelihood, bmb, 1e-8 * std::abs(bmb));

    // 19 intervals: the first 17 refitted, 2 predicted.
    EXPECT_EQ(c.keptForPsse, 17);
    EXPECT_EQ(c.heldBack, 2);
    EXPECT_TRUE(nhpEntry.psse) << nhpEntry.psseReason;
    // Sorted by AIC, the best first with a zero difference.
    ASSERT_TRUE(c.entries.front().deltaAic);
    EXPECT_EQ(*c.entries.front().deltaAic, 0.0);
}

TEST(ModelComparison, HoldOutSplitAndMeanValueFunctions) {
    EXPECT_EQ(KeptForHoldOut(10, 0.1), 9);  // not 8 from 0.9 * 10 rounding down
    EXPECT_EQ(KeptForHoldOut(136, 0.1), 122);
    EXPECT_EQ(KeptForHoldOut(19, 0.25), 14);

    TbfStats S;
    // Geometric with phi = e^-1: the rate D e^-m at count m gives m(t) = ln(1 + D t).
    S(4, kEstimate) = std::exp(-1.0);
    S(tbf_row::kHazardRate, kEstimate) = 0.5;
    EXPECT_NEAR(*TbfMeanFailures(kGeo, S, 6.0), std::log(4.0), 1e-12);
    // Littlewood and Verrall linear, alpha 3, beta0 0, beta1 2: the time to i failures is
    // i^2 / 2, so 8 time units hold 4 failures.
    TbfStats lav;
    lav(1, kEstimate) = 3.0;
    lav(2, kEstimate) = 0.0;
    lav(3, kEstimate) = 2.0;
    EXPECT_NEAR(*TbfMeanFailures(kLavLinear, lav, 8.0), 4.0, 1e-9);
    lav(1, kEstimate) = 0.5;  // no finite mean time between failures
    EXPECT_FALSE(TbfMeanFailures(kLavLinear, lav, 8.0));
}

TEST(ModelComparison, FailedLeastSquaresAndShortDataGiveReasonsNotNumbers) {
    const std::vector<double> times{3, 30, 113, 81, 115};
    TbfSelection s;
    s.models[kGeo] = s.models[kJam] = true;
    ProgramOptions options;
    ExecutionHost host;
    TbfExecutionResults r = RunTbfExecution({times, 0.0}, s, options, host);
    ModelComparison c = CompareTbfModels(r, kDefaultHoldOutFraction);
    ASSERT_EQ(c.entries.size(), 2u);
    for (const auto& e : c.entries) {
        EXPECT_FALSE(e.psse);
        EXPECT_FALSE(e.psseReason.empty());  // fewer than 2 held back, or the model failed
    }

    options.numericalMethod = method::kLeastSquares;
    r = RunTbfExecution({times, 0.0}, s, options, host);
    c = CompareTbfModels(r, kDefaultHoldOutFraction);
    for (const auto& e : c.entries) {
        EXPECT_FALSE(e.information.aic);
        EXPECT_FALSE(e.information.reason.empty());
    }
    EXPECT_EQ(c.recommended.model, "");
    const std::string page = ModelComparisonReport(c, "");
    EXPECT_NE(page.find("Recommended model: none"), std::string::npos);
    EXPECT_EQ(page.find("nan"), std::string::npos);
    for (std::size_t start = 0, end; start < page.size(); start = end + 1) {
        end = page.find('\n', start);
        if (end == std::string::npos) end = page.size();
        EXPECT_LE(end - start, 86u) << page.substr(start, end - start);
    }
}

}  // namespace
}  // namespace vnk::execution
