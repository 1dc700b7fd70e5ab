#include "numerics/vnkedt.h"

#include <algorithm>

#include "numerics/trace.h"

namespace vnk {
namespace {

void TraceEntries(trace::Writer& w, const TbfArrays& DAT, int NS) {
    w.columns("DAT", {DAT.field(1), DAT.field(2), DAT.field(3), DAT.field(4), DAT.field(5)},
              std::min(NS, DAT.capacity()));
}

void CopyEntry(const TbfArrays& DAT, int from, int to) {
    for (int f = 1; f <= tbf_field::kCount; ++f) DAT(to, f) = DAT(from, f);
}

bool InBounds(int ETYPE, int PT1, int PT2, int NS, int capacity) {
    // A count beyond what the arrays hold would make every move read past them.
    if (NS > capacity) return false;
    if (ETYPE == edit::kMerge) return PT1 >= 1 && PT1 <= PT2 && PT2 <= NS;
    return PT1 >= 1 && PT1 <= NS;
}

}  // namespace

const char* EditErrorMessage(int ERRFLG) {
    switch (ERRFLG) {
        case edit_error::kBounds:
            return kEditBoundsMessage;
        case edit_error::kCapacity:
            return kEditCapacityMessage;
        default:
            return "";
    }
}

void VNKEDT(int ETYPE, ConstRealArray VAL, int SIZ, int PT1, int PT2, TbfArrays DAT, int& NS,
            int& ERRFLG) {
    trace::Writer w;
    w.enter("VNKEDT");
    w.integer("ETYPE", ETYPE);
    w.integer("SIZ", SIZ);
    w.integer("PT1", PT1);
    w.integer("PT2", PT2);
    w.integer("NS", NS);
    w.reals("VAL", {VAL(1), VAL(2), VAL(3), VAL(4), VAL(5)});
    TraceEntries(w, DAT, NS);

    ERRFLG = edit_error::kNone;
    const int capacity = std::min(SIZ, DAT.capacity());
    if (!InBounds(ETYPE, PT1, PT2, NS, DAT.capacity())) {
        ERRFLG = edit_error::kBounds;
    } else if (ETYPE == edit::kInsert && NS + 1 > capacity) {
        ERRFLG = edit_error::kCapacity;
    } else if (ETYPE == edit::kChange) {
        for (int f = 1; f <= tbf_field::kCount; ++f) DAT(PT1, f) = VAL(f);
    } else if (ETYPE == edit::kDelete) {
        for (int i = PT1; i < NS; ++i) CopyEntry(DAT, i + 1, i);
        NS -= 1;
    } else if (ETYPE == edit::kInsert) {
        for (int i = NS; i >= PT1; --i) CopyEntry(DAT, i, i + 1);
        for (int f = 1; f <= tbf_field::kCount; ++f) DAT(PT1, f) = VAL(f);
        NS += 1;
    } else if (ETYPE == edit::kMerge) {
        double time = 0.0;
        for (int i = PT1; i <= PT2; ++i) time += DAT(i, tbf_field::kTime);
        DAT(PT1, tbf_field::kTime) = time;
        for (int f = tbf_field::kFailureType; f <= tbf_field::kCount; ++f)
            DAT(PT1, f) = DAT(PT2, f);
        const int removed = PT2 - PT1;
        for (int i = PT2 + 1; i <= NS; ++i) CopyEntry(DAT, i, i - removed);
        NS -= removed;
    }

    w.yields("VNKEDT");
    w.integer("NS", NS);
    w.integer("ERRFLG", ERRFLG);
    TraceEntries(w, DAT, NS);
}

}  // namespace vnk
