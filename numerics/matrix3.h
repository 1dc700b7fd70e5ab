// Storage for the small matrices of the minimisers (at most three parameters): 3 x 3, column
// by column, 1-based, leading dimension 3. The order actually used is the routine's N.
#pragma once

#include <array>

#include "numerics/conventions.h"

namespace vnk {

struct Matrix3 {
    std::array<double, 9> values{};

    double& operator()(int i, int j) {
        assert(i >= 1 && i <= 3 && j >= 1 && j <= 3);
        return values[static_cast<std::size_t>(j - 1) * 3 + (i - 1)];
    }
    double operator()(int i, int j) const {
        assert(i >= 1 && i <= 3 && j >= 1 && j <= 3);
        return values[static_cast<std::size_t>(j - 1) * 3 + (i - 1)];
    }
    RealMatrix view() { return RealMatrix(values.data(), 3, 3); }
    ConstRealMatrix view() const { return ConstRealMatrix(values.data(), 3, 3); }
    operator RealMatrix() { return view(); }
    operator ConstRealMatrix() const { return view(); }
};

}  // namespace vnk
