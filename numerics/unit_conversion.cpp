#include "numerics/unit_conversion.h"

#include <algorithm>
#include <vector>

#include "numerics/vnktrn.h"

namespace vnk {

double UnitStepFactor(int unit) {
    switch (unit) {
        case tbf_unit::kSeconds:
        case tbf_unit::kMinutes:
            return 60.0;
        case tbf_unit::kHours:
            return 24.0;
        case tbf_unit::kDays:
            return 7.0;
        case tbf_unit::kWeeks:
            return 4.0;
        case tbf_unit::kMonths:
            return 12.0;
        default:
            return 0.0;
    }
}

bool ConvertTbfUnits(int from, int to, int N, RealArray times) {
    auto defined = [](int u) { return u >= tbf_unit::kSeconds && u <= tbf_unit::kYears; };
    if (!defined(from) || !defined(to) || N < 0 || N > times.size()) return false;

    // Steps run on a copy so that a step refused part way leaves no half-converted data.
    std::vector<double> work(times.data(), times.data() + N);
    RealArray DAT(work);
    int ERRFLG = 0;
    int c = from;
    while (c < to && ERRFLG == 0) {
        VNKTRN(N, 1.0 / UnitStepFactor(c), 0.0, trn::kMultiply, DAT, ERRFLG);
        ++c;
    }
    while (c > to && ERRFLG == 0) {
        --c;
        VNKTRN(N, UnitStepFactor(c), 0.0, trn::kMultiply, DAT, ERRFLG);
    }
    if (ERRFLG != 0) return false;
    std::copy(work.begin(), work.end(), times.data());
    return true;
}

}  // namespace vnk
