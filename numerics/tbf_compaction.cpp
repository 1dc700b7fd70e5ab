#include "numerics/tbf_compaction.h"

namespace vnk {

void CompactTbfEntries(TbfArrays DAT, int& N, int field, double value) {
    // Slots are filled from position 1; slot k is written only once entries 1..k have been
    // read, so the compaction can run in place.
    int closed = 0;
    bool open = false;
    for (int i = 1; i <= N; ++i) {
        const double time = DAT(i, tbf_field::kTime);
        const int slot = closed + 1;
        if (open) {
            DAT(slot, tbf_field::kTime) += time;
        } else {
            DAT(slot, tbf_field::kTime) = time;
            open = true;
        }
        if (DAT(i, field) == value) {
            for (int f = tbf_field::kFailureType; f <= tbf_field::kCount; ++f)
                DAT(slot, f) = DAT(i, f);
            closed = slot;
            open = false;
        }
    }
    N = closed;
}

}  // namespace vnk
