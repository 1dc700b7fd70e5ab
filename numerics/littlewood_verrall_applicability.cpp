// Littlewood and Verrall pieces of the applicability analysis: each prefix is fitted from its
// own initial estimates, and the next time between failures follows the fitted power law.
#include <array>
#include <cmath>
#include <memory>

#include "numerics/littlewood_verrall.h"
#include "numerics/littlewood_verrall_terms.h"

namespace vnk {
namespace {

struct Fitted {
    double alpha = 0.0;
    double beta0 = 0.0;
    double beta1 = 0.0;
    int PHIIND = kLavLinear;

    // Scale of the next time between failures after a prefix of k.
    double NextPsi(int k) const { return lav::Psi(beta0, beta1, k + 1, PHIIND); }
};

}  // namespace

TbfApplicabilityModel LittlewoodVerrallApplicabilityModel(int MAXIC, int PHIIND) {
    auto fitted = std::make_shared<Fitted>();
    fitted->PHIIND = PHIIND;
    TbfApplicabilityModel m;
    m.routine = "SLAVMA";
    m.extraInputs = {{"MAXIC", MAXIC}, {"PHIIND", PHIIND}};
    m.fit = [fitted, MAXIC, PHIIND](ConstRealArray prefix) {
        const LavStartingValues start = LavInitialEstimates(prefix.size(), prefix, PHIIND);
        const std::array<double, 2> BETA{start.beta0, start.beta1};
        TbfStats stats;
        int RFLAG = 0;
        double Z = 0.0;
        SLAVMD(method::kMaximumLikelihood, prefix.size(), prefix, PHIIND, BETA, MAXIC, stats, RFLAG,
               Z);
        fitted->alpha = stats(1, kEstimate);
        fitted->beta0 = stats(2, kEstimate);
        fitted->beta1 = stats(3, kEstimate);
        return RFLAG;
    };
    // -[ln alpha + alpha ln psi - (alpha + 1) ln(psi + x)]
    m.negLogDensity = [fitted](const TbfStep& s) {
        const double psi = fitted->NextPsi(s.k);
        const double alpha = fitted->alpha;
        return -std::log(alpha) + std::log(psi + s.x) + alpha * std::log1p(s.x / psi);
    };
    // 1 - (psi / (psi + x))^alpha
    m.distribution = [fitted](const TbfStep& s) {
        const double psi = fitted->NextPsi(s.k);
        return -std::expm1(-fitted->alpha * std::log1p(s.x / psi));
    };
    // psi (2^(1/alpha) - 1): the power law's median with the constant 0.5.
    m.median = [fitted](const TbfStep& s) {
        return TbfMedian{true, fitted->NextPsi(s.k) * std::expm1(kLn2 / fitted->alpha)};
    };
    m.another = [MAXIC, PHIIND] { return LittlewoodVerrallApplicabilityModel(MAXIC, PHIIND); };
    return m;
}

void SLAVMA(ConstRealArray DAT, int NS, int NSB, int NSE, int NSR, int TYP, int MAXIC, int PHIIND,
            double& STAT, int& RFLAG, int& INDX, RealArray V, RealArray VPRE) {
    RunTbfApplicability(LittlewoodVerrallApplicabilityModel(MAXIC, PHIIND), DAT, NS, NSB, NSE, NSR,
                        TYP, STAT, RFLAG, INDX, V, VPRE);
}

}  // namespace vnk
