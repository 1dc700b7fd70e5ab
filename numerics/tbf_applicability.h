// The applicability analysis shared by every time-between-failure model: refit the model on
// growing prefixes of the data and score each one-step-ahead prediction against the next
// observation (Accuracy, Bias, Noise, Trend).
//
// A model family supplies its per-step pieces once, as a TbfApplicabilityModel, and its MA
// routine is then one call:
//
//   TbfApplicabilityModel GeometricApplicabilityModel() {
//       auto fitted = std::make_shared<TbfStats>();
//       TbfApplicabilityModel m;
//       m.routine = "SGEOMA";
//       m.fit = [fitted](ConstRealArray prefix) {
//           int rflag = 0;
//           SGEOMD(method::kMaximumLikelihood, prefix.size(), prefix, *fitted, rflag);
//           return rflag;
//       };
//       m.negLogDensity = [fitted](const TbfStep& s) { double l = rate(*fitted, s.k);
//                                                       return l * s.x - std::log(l); };
//       m.distribution  = [fitted](const TbfStep& s) { ... 1 - exp(-l * s.x) ... };
//       m.median        = [fitted](const TbfStep& s) { return TbfMedian{true, ln2 / l}; };
//       return m;
//   }
//
//   void SGEOMA(ConstRealArray DAT, int NS, int NSB, int NSE, int NSR, int TYP, double& STAT,
//               int& RFLAG, int& INDX, RealArray V, RealArray VPRE) {
//       RunTbfApplicability(GeometricApplicabilityModel(), DAT, NS, NSB, NSE, NSR, TYP, STAT,
//                           RFLAG, INDX, V, VPRE);
//   }
//
// An execution that runs several measures of one model calls RunTbfApplicabilityMeasures
// instead: it fits each prefix once and gives every measure exactly what its own MA call
// would give (values, statuses, plot arrays and trace blocks, bit for bit).
//
// The pieces are called only after a successful fit (status 0) of the prefix in TbfStep::k
// and must depend on nothing but that fit and the step; fit must be deterministic.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "numerics/conventions.h"

namespace vnk {

// Measure codes (TYP).
namespace measure {
inline constexpr int kAccuracy = 1;
inline constexpr int kBias = 2;
inline constexpr int kNoise = 3;
inline constexpr int kTrend = 4;
inline constexpr int kCount = 4;
}  // namespace measure

// ln 2, the predicted median's numerator for exponential laws and the Noise starting value.
inline constexpr double kLn2 = 0.6931471805599453;

// Where one step of the analysis stands.
struct TbfStep {
    int k = 0;       // prefix length just fitted (the first k values of DAT)
    double T = 0.0;  // elapsed time at failure k (cumulative data: DAT(k))
    double x =
        0.0;  // next time between failures: DAT(k + 1) (cumulative data: DAT(k + 1) - DAT(k))
    double next =
        0.0;  // DAT(k + 1) as given: the next time between failures, or the next failure time
};

// The predicted median of the next time between failures, or the signal that it does not
// exist (the analysis then stops with status 5).
struct TbfMedian {
    bool exists = true;
    double value = 0.0;
};

// One extra integer input traced after TYP (Littlewood and Verrall: MAXIC, PHIIND).
struct TraceInteger {
    std::string name;
    int value = 0;
};

struct TbfApplicabilityModel {
    // The MA routine's name, used in its trace blocks ("SGEOMA").
    std::string routine;
    // Integer inputs the MA routine traces after TYP, in order.
    std::vector<TraceInteger> extraInputs;
    // True when DAT holds cumulative failure times (the non-homogeneous Poisson model).
    bool cumulativeTimes = false;

    // Fits the model to the first k values (prefix.size() == k) by maximum likelihood and
    // returns the estimation's status (0 = success). Must not trace (the scheme suspends
    // tracing around it anyway).
    std::function<int(ConstRealArray prefix)> fit;
    // -ln f(x | fit, T): the negative log predictive density of the next time between failures.
    std::function<double(const TbfStep&)> negLogDensity;
    // F(x | fit, T): the predictive distribution function at the next time between failures.
    std::function<double(const TbfStep&)> distribution;
    // The predicted median of the next time between failures.
    std::function<TbfMedian(const TbfStep&)> median;
    // The same model with fit state of its own, so that prefixes may be refitted on several
    // threads at once; without it the refits are made one after another.
    std::function<TbfApplicabilityModel()> another;
};

// A model whose next time between failures is exponential with the rate the fitted estimates
// give for failure k (the geometric and Jelinski/Moranda models): `fit` estimates from a prefix
// into the shared table, `rate` reads the rate of failure k from it.
TbfApplicabilityModel ExponentialApplicabilityModel(
    std::string routine, std::function<int(ConstRealArray prefix, TbfStats& fitted)> fit,
    std::function<double(const TbfStats& fitted, int k)> rate);

// One MA call: the routine's whole behaviour, trace included (input block, tracing suspended
// during the refits, output block when tracing was on at entry). Argument order of the MA
// routines. A range that the arrays cannot hold (NSB < 1, NSE > NS - 1, NSB > NSE,
// NSR != NSE - NSB + 1, DAT shorter than NS, V or VPRE shorter than NSR) or a TYP outside
// 1..4 gives RFLAG = 3 with INDX = 0 and STAT = 0.0, without any refit.
void RunTbfApplicability(const TbfApplicabilityModel& model, ConstRealArray DAT, int NS, int NSB,
                         int NSE, int NSR, int TYP, double& STAT, int& RFLAG, int& INDX,
                         RealArray V, RealArray VPRE);

// Inputs and outputs of one measure in RunTbfApplicabilityMeasures.
struct TbfMeasureResult {
    bool selected = false;  // in: run this measure
    RealArray V;            // in: the caller's plot array 1 (at least NSR elements)
    RealArray VPRE;         // in: the caller's plot array 2 (at least NSR elements)
    double STAT = 0.0;      // out, as the MA routine's STAT
    int RFLAG = 0;          // out, as its RFLAG
    int INDX = 0;           // out, as its INDX
    // out, Noise only: each step's term |m - m_prev| / m_prev of STAT, in step order (the
    // noise chart's points; the MA routine keeps no per-step values, so nothing traces them).
    std::vector<double> steps{};
    // out, with RefitPolicy::kSkip: the refits that failed and were skipped.
    int failedRefits = 0;
};

// What a failed refit does: end the analysis with its status (the standard procedure), or be
// skipped and counted. Skipping scales the Accuracy and Noise sums to the number of one-step
// predictions the range asks for, so a model with skipped refits stays comparable; Bias and
// Trend take their distances over the predictions made. Without a failure both agree exactly.
enum class RefitPolicy { kStop, kSkip };

// Every selected measure of one model, each prefix fitted once. measures[TYP - 1] receives
// exactly what RunTbfApplicability(model, ..., TYP, ...) would give, and with tracing on the
// trace holds, for each selected measure in TYP order, that call's input and output blocks.
// Unselected entries are left untouched.
void RunTbfApplicabilityMeasures(const TbfApplicabilityModel& model, ConstRealArray DAT, int NS,
                                 int NSB, int NSE, int NSR,
                                 std::array<TbfMeasureResult, measure::kCount>& measures,
                                 RefitPolicy policy = RefitPolicy::kStop);

}  // namespace vnk
