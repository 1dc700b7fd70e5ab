// Editing of the TBF entries: change, delete, insert and merge, as the edit screen asks for
// them. Every check is made before anything changes, so a refused edit leaves the entries and
// their count as they were.
#pragma once

#include "numerics/conventions.h"
#include "numerics/tbf_arrays.h"

namespace vnk {

// ETYPE values.
namespace edit {
inline constexpr int kChange = 1;
inline constexpr int kDelete = 2;
inline constexpr int kInsert = 3;
inline constexpr int kMerge = 4;
}  // namespace edit

// ERRFLG values of VNKEDT.
namespace edit_error {
inline constexpr int kNone = 0;
inline constexpr int kBounds = 1;
inline constexpr int kCapacity = 2;
}  // namespace edit_error

inline constexpr const char* kEditErrorCaption = "Edit Error";
inline constexpr const char* kEditBoundsMessage = "Edit exceeds the bounds of the current data";
inline constexpr const char* kEditCapacityMessage = "Insertion will exceed the array size.";

// The message the edit screen shows for an ERRFLG of VNKEDT; "" for 0 or an unknown value.
const char* EditErrorMessage(int ERRFLG);

// VAL holds the five fields of one entry in the order of the arrays; PT1 and PT2 are the first
// and last entry concerned (PT2 is read by merge only); SIZ is the capacity. NS is updated.
// Change, delete and insert need 1 <= PT1 <= NS; merge needs 1 <= PT1 <= PT2 <= NS. An insert
// that would make NS exceed SIZ (or what the arrays hold) gives ERRFLG 2. Any other ETYPE
// changes nothing.
void VNKEDT(int ETYPE, ConstRealArray VAL, int SIZ, int PT1, int PT2, TbfArrays DAT, int& NS,
            int& ERRFLG);

}  // namespace vnk
