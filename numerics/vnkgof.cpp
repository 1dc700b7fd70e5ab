#include "numerics/vnkgof.h"

#include <cmath>

#include "numerics/chi_square.h"
#include "numerics/trace.h"

namespace vnk {

void VNKGOF(ConstRealArray DAT, ConstRealArray PDAT, int NS, int EST, int CNN, double& CHI,
            int& DOF, double& LIF, int& RFLAG) {
    trace::Writer w;
    w.enter("VNKGOF");
    w.integer("NS", NS);
    w.integer("EST", EST);
    w.integer("CNN", CNN);
    w.array("DAT", DAT, NS);
    w.array("PDAT", PDAT, NS);

    CHI = 0.0;
    RFLAG = gof_status::kOk;
    LIF = 0.0;
    const double threshold = CNN;
    int cells = 0;
    int i = 0;
    while (i < NS) {
        double observed = 0.0;
        double expected = 0.0;
        do {
            ++i;
            observed += DAT(i);
            expected += PDAT(i);
        } while (expected < threshold && i < NS);
        if (expected < threshold) RFLAG = gof_status::kLastCellBelowThreshold;
        ++cells;
        const double difference = observed - expected;
        if (difference != 0.0) {
            double term = difference * difference / expected;
            // The square alone can overflow where the term itself is representable.
            if (std::isinf(term) && expected > 0.0) term = difference * (difference / expected);
            CHI += term;
        }
        LIF = expected;
    }
    DOF = cells - EST - 1;

    if (DOF < 1) {
        RFLAG = gof_status::kNoDegreesOfFreedom;
    } else if (std::isnan(CHI) || 1.0 - ChiSquareCdf(DOF, CHI) < 0.05) {
        // Predicted counts that are not numbers leave CHI without meaning: no fit to accept.
        RFLAG = gof_status::kFitRejected;
    }

    w.yields("VNKGOF");
    w.real("CHI", CHI);
    w.integer("DOF", DOF);
    w.real("LIF", LIF);
    w.integer("RFLAG", RFLAG);
}

void IntervalGoodnessOfFit(ConstRealArray DAT, ConstRealArray PDAT, int NS, int EST, int CSCOM,
                           RealArray CHI, IntArray DOF, RealArray LIF, IntArray RFLAG) {
    VNKGOF(DAT, PDAT, NS, EST, CSCOM, CHI(1), DOF(1), LIF(1), RFLAG(1));
    VNKGOF(DAT, PDAT, NS, EST, -1, CHI(2), DOF(2), LIF(2), RFLAG(2));
}

}  // namespace vnk
