// The five parallel arrays of the TBF entries as the data utilities take them: DAT(i, f) is
// field f of entry i, both counted from 1, so the arrays read like one matrix of five columns
// whatever storage the caller keeps them in.
#pragma once

#include <algorithm>
#include <array>
#include <cassert>

#include "numerics/conventions.h"

namespace vnk {

// Fields of a TBF entry, in the order of the arrays (and of an entry's five values).
namespace tbf_field {
inline constexpr int kTime = 1;              // time between failures
inline constexpr int kFailureType = 2;       // 0 software, 1 hardware
inline constexpr int kSeverity = 3;          // 1 to 4
inline constexpr int kHardwareFailures = 4;  // number of H/W failures behind the entry
inline constexpr int kEffectiveness = 5;     // H/W effectiveness factor
inline constexpr int kCount = 5;
}  // namespace tbf_field

class TbfArrays {
  public:
    TbfArrays() = default;
    TbfArrays(RealArray time, RealArray failureType, RealArray severity, RealArray hardwareFailures,
              RealArray effectiveness)
        : fields_{time, failureType, severity, hardwareFailures, effectiveness} {}

    double& operator()(int i, int f) const { return field(f)(i); }
    RealArray field(int f) const {
        assert(f >= 1 && f <= tbf_field::kCount);
        return fields_[static_cast<std::size_t>(f - 1)];
    }
    // Number of entries all five arrays can hold.
    int capacity() const {
        int n = fields_[0].size();
        for (const RealArray& a : fields_) n = std::min(n, a.size());
        return n;
    }

  private:
    std::array<RealArray, tbf_field::kCount> fields_{};
};

}  // namespace vnk
