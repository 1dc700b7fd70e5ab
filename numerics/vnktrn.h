// Arithmetic transformations of a data vector in place: the Transformations menu, the unit
// conversions and the running sum behind the Time To Failure plots. Every check is made before
// any value changes, so a refused transformation leaves the data as they were.
#pragma once

#include "numerics/conventions.h"

namespace vnk {

// TRNTYP values; any other value adds A like kAdd.
namespace trn {
inline constexpr int kAdd = 1;         // x + A
inline constexpr int kMultiply = 2;    // A * x
inline constexpr int kPower = 3;       // x ** A
inline constexpr int kLog = 4;         // ln(A * x + B)
inline constexpr int kExp = 5;         // exp(A * x + B)
inline constexpr int kRunningSum = 6;  // x(i) := x(i) + x(i - 1), i = 2..NS
}  // namespace trn

// ERRFLG values of VNKTRN.
namespace trn_error {
inline constexpr int kNone = 0;
inline constexpr int kRealPowerOfNonPositive = 1;
inline constexpr int kLogOfNonPositive = 2;
inline constexpr int kExpOutOfRange = 3;
// A result would be infinite or not a number (an overflow, or 0 to a negative power).
inline constexpr int kResultOutOfRange = 4;
}  // namespace trn_error

// Below this a value counts as non-positive for a real power and for a logarithm.
inline constexpr double kTransformFloor = 1e-10;
inline constexpr double kExpLowest = -675.81;
inline constexpr double kExpHighest = 741.66;

inline constexpr const char* kTransformationErrorCaption = "Transformation Error";
inline constexpr const char* kRealPowerMessage =
    "Raising a non-positive real number to a real power.";
inline constexpr const char* kLogMessage =
    "A LOG was attempted on a computed negative or zero value.";
inline constexpr const char* kExpMessage = "An EXP was attempted on a value that is out of range.";
inline constexpr const char* kResultOutOfRangeMessage =
    "The transformation would produce a value that is out of range.";

// The message the Transformation screen shows for an ERRFLG of VNKTRN; "" for 0.
const char* TransformationErrorMessage(int ERRFLG);

// Transforms DAT(1..NS) by TRNTYP. ERRFLG: 1 a real (non-whole) power of a value below 1e-10;
// 2 a logarithm of A*x+B below 1e-10; 3 an exponent of A*x+B outside -675.81 to 741.66, or
// one whose result overflows; 4 any other result that would not be finite. A whole-number A
// is applied as an integer power, which accepts negative values.
void VNKTRN(int NS, double A, double B, int TRNTYP, RealArray DAT, int& ERRFLG);

}  // namespace vnk
