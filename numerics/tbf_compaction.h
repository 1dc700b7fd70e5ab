// Reduction of the TBF entries to those with one value in one field (a severity level, or a
// failure type): the severity and system reductions and the per-type statistics use it.
#pragma once

#include "numerics/tbf_arrays.h"

namespace vnk {

// Keeps, in order, the entries 1..N whose field `field` equals `value`; N becomes the number
// kept. The time between failures of a removed entry is added into the next kept entry, so
// each kept time runs from the previous kept failure (or the start); the times of removed
// entries after the last kept one are dropped. Entries beyond the new N are left as they were.
void CompactTbfEntries(TbfArrays DAT, int& N, int field, double value);

}  // namespace vnk
