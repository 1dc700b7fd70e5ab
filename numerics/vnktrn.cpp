#include "numerics/vnktrn.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "numerics/trace.h"

namespace vnk {
namespace {

bool IsWholeNumber(double A) { return A - std::trunc(A) == 0.0; }

// The checks of the routine's own domain, made on every value before anything changes.
int DomainError(int n, double A, double B, int TRNTYP, ConstRealArray DAT) {
    for (int i = 1; i <= n; ++i) {
        const double x = DAT(i);
        switch (TRNTYP) {
            case trn::kPower:
                if (!IsWholeNumber(A) && x < kTransformFloor)
                    return trn_error::kRealPowerOfNonPositive;
                break;
            case trn::kLog:
                if (A * x + B < kTransformFloor) return trn_error::kLogOfNonPositive;
                break;
            case trn::kExp: {
                const double e = A * x + B;
                if (e < kExpLowest || e > kExpHighest) return trn_error::kExpOutOfRange;
                break;
            }
            default:
                break;
        }
    }
    return trn_error::kNone;
}

double Transformed(double x, double previous, double A, double B, int TRNTYP) {
    switch (TRNTYP) {
        case trn::kMultiply:
            return A * x;
        case trn::kPower:
            return IsWholeNumber(A) ? std::pow(x, std::trunc(A)) : std::pow(x, A);
        case trn::kLog:
            return std::log(A * x + B);
        case trn::kExp:
            return std::exp(A * x + B);
        case trn::kRunningSum:
            return x + previous;
        default:
            return x + A;
    }
}

}  // namespace

const char* TransformationErrorMessage(int ERRFLG) {
    switch (ERRFLG) {
        case trn_error::kRealPowerOfNonPositive:
            return kRealPowerMessage;
        case trn_error::kLogOfNonPositive:
            return kLogMessage;
        case trn_error::kExpOutOfRange:
            return kExpMessage;
        case trn_error::kResultOutOfRange:
            return kResultOutOfRangeMessage;
        default:
            return "";
    }
}

void VNKTRN(int NS, double A, double B, int TRNTYP, RealArray DAT, int& ERRFLG) {
    const int n = std::max(NS, 0);
    trace::Writer w;
    w.enter("VNKTRN");
    w.integer("NS", NS);
    w.real("A", A);
    w.real("B", B);
    w.integer("TRNTYP", TRNTYP);
    w.array("DAT", DAT, n);

    ERRFLG = DomainError(n, A, B, TRNTYP, DAT);
    if (ERRFLG == trn_error::kNone) {
        // Work on a copy so that a result found not to be finite half way leaves the data
        // untouched: an infinity stored in the data set would spoil every later statistic.
        std::vector<double> result(static_cast<std::size_t>(n));
        double previous = 0.0;
        for (int i = 1; i <= n && ERRFLG == trn_error::kNone; ++i) {
            const double y = Transformed(DAT(i), previous, A, B, TRNTYP);
            if (!std::isfinite(y))
                ERRFLG =
                    TRNTYP == trn::kExp ? trn_error::kExpOutOfRange : trn_error::kResultOutOfRange;
            result[static_cast<std::size_t>(i - 1)] = y;
            previous = y;
        }
        if (ERRFLG == trn_error::kNone) std::copy(result.begin(), result.end(), DAT.data());
    }

    w.yields("VNKTRN");
    w.integer("ERRFLG", ERRFLG);
    w.array("DAT", DAT, n);
}

}  // namespace vnk
