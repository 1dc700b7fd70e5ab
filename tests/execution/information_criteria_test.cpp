// Log-likelihoods at the program's own estimates against the textbook densities written out
// here, the AIC/BIC arithmetic and the recommendation's tie rule.
#include "execution/information_criteria.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "numerics/geometric.h"
#include "numerics/jelinski_moranda.h"
#include "numerics/littlewood_verrall.h"
#include "numerics/musa_basic.h"
#include "numerics/musa_logarithmic.h"
#include "numerics/nhpp_tbf.h"

namespace vnk::execution {
namespace {

const std::vector<double> kTimes{3, 30, 113, 81, 115, 9, 2, 91, 112, 15, 138, 50, 77, 24, 108};

TEST(InformationCriteria, GeometricAndJelinskiMorandaMatchTheExponentialDensity) {
    TbfStats geo, jm;
    int rflag = 0;
    SGEOMD(method::kMaximumLikelihood, 15, ConstRealArray(kTimes), geo, rflag);
    ASSERT_EQ(rflag, 0);
    SJAMMD(method::kMaximumLikelihood, 15, ConstRealArray(kTimes), jm, rflag);
    ASSERT_LE(rflag, 4);
    const double D = geo(5, 1), phi = geo(4, 1);
    const double jphi = jm(4, 1), N = jm(10, 1);
    double geoExpected = 0.0, jmExpected = 0.0;
    for (std::size_t i = 0; i < kTimes.size(); ++i) {
        const double r = D * std::pow(phi, static_cast<double>(i));  // f(x) = r e^(-r x)
        geoExpected += std::log(r * std::exp(-r * kTimes[i]));
        const double q = jphi * (N - static_cast<double>(i));
        jmExpected += std::log(q * std::exp(-q * kTimes[i]));
    }
    TbfExecutionResults r;
    r.data = kTimes;
    r.stats[kGeo] = geo;
    r.stats[kJam] = jm;
    EXPECT_NEAR(*TbfSlotLogLikelihood(kGeo, r), geoExpected, 1e-9 * std::abs(geoExpected));
    EXPECT_NEAR(*TbfSlotLogLikelihood(kJam, r), jmExpected, 1e-9 * std::abs(jmExpected));
}

// Times that grow, so the Poisson process fits find a finite total.
const std::vector<double> kGrowing{3, 5, 8, 10, 15, 20, 22, 30, 40, 45, 60, 70, 90, 110, 150};

TEST(InformationCriteria, PoissonProcessModelsMatchTheirTextbookLikelihood) {
    std::vector<double> t;
    double sum = 0.0;
    for (double x : kGrowing) t.push_back(sum += x);
    TbfStats mus, npt;
    int rflag = 0;
    const double XLTM = 20.0;
    SMUSMD(15, ConstRealArray(kGrowing), XLTM, mus, rflag);
    ASSERT_EQ(rflag, 0);
    SNPTMD(15, ConstRealArray(t), npt, rflag);
    ASSERT_EQ(rflag, 0);
    // L = prod lambda(t_i) * exp(-mu(T)), mu(T) = b0 (1 - e^(-b1 T)).
    const double b0 = mus(2, 1), b1 = mus(3, 1), a = npt(10, 1), b = npt(4, 1);
    double musExpected = -b0 * (1.0 - std::exp(-b1 * (sum + XLTM)));
    double nptExpected = -a * (1.0 - std::exp(-b * sum));
    for (double s : t) {
        musExpected += std::log(b0 * b1 * std::exp(-b1 * s));
        nptExpected += std::log(a * b * std::exp(-b * s));
    }
    TbfExecutionResults r;
    r.data = kGrowing;
    r.cumulativeData = t;
    r.XLTM = XLTM;
    r.stats[kMusaBasic] = mus;
    r.stats[kNpt] = npt;
    EXPECT_NEAR(*TbfSlotLogLikelihood(kMusaBasic, r), musExpected, 1e-9 * std::abs(musExpected));
    EXPECT_NEAR(*TbfSlotLogLikelihood(kNpt, r), nptExpected, 1e-9 * std::abs(nptExpected));
}

TEST(InformationCriteria, ArithmeticAndMissingLikelihood) {
    const ModelInformation info = InformationOf("GEO", -100.0, 2, 15, "");
    EXPECT_DOUBLE_EQ(*info.aic, 204.0);
    EXPECT_DOUBLE_EQ(*info.bic, 2.0 * std::log(15.0) + 200.0);
    EXPECT_TRUE(info.reason.empty());

    const ModelInformation nan = InformationOf("JM", std::nan(""), 2, 15, "");
    EXPECT_FALSE(nan.logLikelihood || nan.aic || nan.bic);
    EXPECT_EQ(nan.reason, "likelihood not finite at the estimates");

    TbfExecutionResults r;
    r.ESF = method::kLeastSquares;
    r.NS = 15;
    r.data = kTimes;
    r.executed[kGeo] = true;
    r.status[kGeo] = model_status::kSucceeded;
    const auto ls = TbfModelInformation(r, {"GEO"});
    ASSERT_EQ(ls.size(), 1u);
    EXPECT_FALSE(ls[0].aic);
    EXPECT_EQ(ls[0].reason, "n/a under least squares (no likelihood)");
}

TEST(InformationCriteria, RecommendationTieRule) {
    const std::vector<ModelInformation> clear{InformationOf("GEO", -100.0, 2, 15, ""),
                                              InformationOf("JM", -102.5, 2, 15, ""),
                                              InformationOf("LV", std::nullopt, 3, 15, "failed")};
    const Recommendation best = RecommendModel(clear);
    EXPECT_EQ(best.model, "GEO");
    EXPECT_EQ(best.reason, "GEO has the lowest AIC (204.00), 5.00 below JM.");

    const std::vector<ModelInformation> close{InformationOf("GEO", -100.0, 2, 15, ""),
                                              InformationOf("JM", -100.9, 2, 15, "")};
    EXPECT_EQ(RecommendModel(close).reason,
              "The data do not separate GEO and JM (AIC differs by 1.80, below 2); either may be "
              "used.");
    EXPECT_EQ(RecommendModel({}).model, "");
}

}  // namespace
}  // namespace vnk::execution

namespace vnk::execution {
namespace {

TEST(InformationCriteria, LittlewoodVerrallAndMusaLogarithmicMatchTheirDensities) {
    std::vector<double> t;
    double sum = 0.0;
    for (double x : kGrowing) t.push_back(sum += x);
    const LavStartingValues start = LavInitialEstimates(15, ConstRealArray(kGrowing), 1);
    const std::array<double, 2> beta{start.beta0, start.beta1};
    TbfStats lv, msa;
    int rflag = 0;
    double Z = 0.0;
    SLAVMD(method::kMaximumLikelihood, 15, ConstRealArray(kGrowing), 1, ConstRealArray(beta),
           kMaxIterations, lv, rflag, Z);
    ASSERT_LE(rflag, 1);
    SMSAMD(15, ConstRealArray(kGrowing), 0.0, msa, rflag);
    ASSERT_EQ(rflag, 0);
    // Pareto: f(x) = alpha psi^alpha / (psi + x)^(alpha + 1), psi = beta0 + beta1 i.
    const double alpha = lv(1, 1), b0 = msa(2, 1), b1 = msa(3, 1);
    double lvExpected = 0.0, msaExpected = -b0 * std::log(1.0 + b1 * sum);
    for (std::size_t i = 0; i < kGrowing.size(); ++i) {
        const double psi = lv(2, 1) + lv(3, 1) * static_cast<double>(i + 1);
        // In logs: psi^alpha overflows at these estimates.
        lvExpected +=
            std::log(alpha) + alpha * std::log(psi) - (alpha + 1) * std::log(psi + kGrowing[i]);
        msaExpected += std::log(b0 * b1 / (1.0 + b1 * t[i]));
    }
    TbfExecutionResults r;
    r.data = kGrowing;
    r.stats[kLavLinear] = lv;
    r.stats[kMusaLog] = msa;
    EXPECT_NEAR(*TbfSlotLogLikelihood(kLavLinear, r), lvExpected, 1e-9 * std::abs(lvExpected));
    EXPECT_NEAR(*TbfSlotLogLikelihood(kMusaLog, r), msaExpected, 1e-9 * std::abs(msaExpected));
    // Estimates outside the parameter space give no likelihood rather than a NaN.
    r.stats[kGeo].clear();
    EXPECT_FALSE(TbfSlotLogLikelihood(kGeo, r));
}

}  // namespace
}  // namespace vnk::execution
