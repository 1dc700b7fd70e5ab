// Five TBF arrays owned by a test, entries given as rows {time, type, severity, hw, eff}.
#pragma once

#include <algorithm>
#include <array>
#include <initializer_list>
#include <vector>

#include "numerics/tbf_arrays.h"

namespace vnk::test {

using Entry = std::array<double, 5>;

class TbfStore {
  public:
    explicit TbfStore(std::initializer_list<Entry> entries, int capacity = 0) {
        const std::size_t size = std::max<std::size_t>(entries.size(), capacity);
        for (auto& column : columns_) column.assign(size, -7.0);
        std::size_t i = 0;
        for (const Entry& e : entries) {
            for (std::size_t f = 0; f < 5; ++f) columns_[f][i] = e[f];
            ++i;
        }
    }
    TbfArrays view() {
        return TbfArrays(columns_[0], columns_[1], columns_[2], columns_[3], columns_[4]);
    }
    std::vector<Entry> entries(int n) const {
        std::vector<Entry> out(static_cast<std::size_t>(n));
        for (std::size_t i = 0; i < out.size(); ++i)
            for (std::size_t f = 0; f < 5; ++f) out[i][f] = columns_[f][i];
        return out;
    }
    std::vector<double>& column(int f) { return columns_[static_cast<std::size_t>(f - 1)]; }

  private:
    std::array<std::vector<double>, 5> columns_;
};

}  // namespace vnk::test
