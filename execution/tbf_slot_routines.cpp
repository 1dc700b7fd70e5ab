#include "execution/tbf_slot_routines.h"

#include "numerics/geometric.h"
#include "numerics/jelinski_moranda.h"
#include "numerics/littlewood_verrall.h"
#include "numerics/musa_basic.h"
#include "numerics/musa_logarithmic.h"
#include "numerics/nhpp_tbf.h"

namespace vnk::execution {
namespace {

int phiindOf(int slot) { return slot == kLavQuadratic ? 2 : 1; }

}  // namespace

bool TbfSlotUsesCumulativeTimes(int slot) { return slot == kNpt; }

std::optional<TbfApplicabilityModel> TbfSlotApplicability(int slot) {
    switch (slot) {
        case kGeo:
            return GeometricApplicabilityModel();
        case kJam:
            return JelinskiMorandaApplicabilityModel();
        case kLavLinear:
        case kLavQuadratic:
            return LittlewoodVerrallApplicabilityModel(kMaxIterations, phiindOf(slot));
        case kMusaBasic:
            return MusaBasicApplicabilityModel();
        case kMusaLog:
            return MusaLogarithmicApplicabilityModel();
        case kNpt:
            return NhppTbfApplicabilityModel();
        default:
            return std::nullopt;
    }
}

void EstimateTbfSlot(int slot, ConstRealArray DAT, TbfEstimation& e, ExecutionHost& host) {
    const int NS = DAT.size();
    e.STATS.clear();
    e.RFLAG = 0;
    switch (slot) {
        case kGeo:
            SGEOMD(e.ESF, NS, DAT, e.STATS, e.RFLAG);
            break;
        case kJam:
            SJAMMD(e.ESF, NS, DAT, e.STATS, e.RFLAG);
            break;
        case kLavLinear:
        case kLavQuadratic: {
            const int PHIIND = phiindOf(slot);
            e.BETA = {0.0, 0.0};
            if (e.ESF == method::kMaximumLikelihood) {
                // The initial estimates come first; the user may change them before the
                // maximum likelihood fit starts from them.
                SLAVMD(method::kInitialEstimatesOnly, NS, DAT, PHIIND, ConstRealArray(e.BETA),
                       kMaxIterations, e.STATS, e.RFLAG, e.Z);
                LavStartRequest request;
                request.PHIIND = PHIIND;
                request.BETA = {e.STATS(2, kEstimate), e.STATS(3, kEstimate)};
                host.lavStartingValues(request);
                e.BETA = request.BETA;
            }
            SLAVMD(e.ESF, NS, DAT, PHIIND, ConstRealArray(e.BETA), kMaxIterations, e.STATS, e.RFLAG,
                   e.Z);
            break;
        }
        case kMusaBasic:
            SMUSMD(NS, DAT, e.XLTM, e.STATS, e.RFLAG);
            break;
        case kMusaLog:
            SMSAMD(NS, DAT, e.XLTM, e.STATS, e.RFLAG);
            break;
        case kNpt:
            SNPTMD(NS, DAT, e.STATS, e.RFLAG);
            break;
        default:
            e.RFLAG = status::kNotAppropriate;
            break;
    }
    (void)host;
}

void PredictTbfSlot(int slot, const TbfStats& STATS, ConstRealArray DAT, std::vector<double>& PDAT,
                    double& DVAL, int& DFLG) {
    const int NS = DAT.size();
    PDAT.assign(static_cast<std::size_t>(NS), 0.0);
    std::vector<double> work(static_cast<std::size_t>(NS), 0.0);
    RealArray P(PDAT), V(work);
    switch (slot) {
        case kGeo:
            SGEOPR(STATS, NS, DAT, P, DVAL, DFLG, V);
            break;
        case kJam:
            SJAMPR(STATS, NS, DAT, P, DVAL, DFLG, V);
            break;
        case kLavLinear:
        case kLavQuadratic:
            SLAVPR(STATS, NS, DAT, phiindOf(slot), P, DVAL, DFLG, V);
            break;
        case kMusaBasic:
            SMUSPR(STATS, NS, DAT, P, DVAL, DFLG, V);
            break;
        case kMusaLog:
            SMSAPR(STATS, NS, DAT, P, DVAL, DFLG, V);
            break;
        case kNpt:
            SNPTPR(STATS, NS, DAT, P, DVAL, DFLG, V);
            break;
        default:
            break;
    }
}

}  // namespace vnk::execution
