// Calling conventions shared by every numerical routine: 1-based array views, the estimate
// table STATS and the status codes.
#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <span>
#include <vector>

namespace vnk {

// A 1-based view of contiguous elements; DAT(1) is the first element. The view never owns
// its data, and element i is reached as data[i - 1] so that no pointer before the array is
// ever formed.
template <class T>
class Array1 {
  public:
    Array1() = default;
    Array1(T* data, int size) : data_(data), size_(size) {}
    template <class U>
    requires std::is_convertible_v<U (*)[], T (*)[]> Array1(std::vector<U>& v)
        : data_(v.data()), size_(static_cast<int>(v.size())) {}
    template <class U>
    requires std::is_convertible_v<const U (*)[], T (*)[]> Array1(const std::vector<U>& v)
        : data_(v.data()), size_(static_cast<int>(v.size())) {}
    template <class U, std::size_t N>
    requires std::is_convertible_v<U (*)[], T (*)[]> Array1(std::array<U, N>& a)
        : data_(a.data()), size_(static_cast<int>(N)) {}
    template <class U, std::size_t N>
    requires std::is_convertible_v<const U (*)[], T (*)[]> Array1(const std::array<U, N>& a)
        : data_(a.data()), size_(static_cast<int>(N)) {}
    template <class U>
    requires std::is_convertible_v<U (*)[], T (*)[]> Array1(const Array1<U>& other)
        : data_(other.data()), size_(other.size()) {}

    T& operator()(int i) const {
        assert(i >= 1 && i <= size_);
        return data_[i - 1];
    }
    T* data() const { return data_; }
    int size() const { return size_; }
    std::span<T> span() const { return {data_, static_cast<std::size_t>(size_)}; }
    // The first n elements as a view of their own.
    Array1 first(int n) const {
        assert(n >= 0 && n <= size_);
        return Array1(data_, n);
    }

  private:
    T* data_ = nullptr;
    int size_ = 0;
};

using RealArray = Array1<double>;
using ConstRealArray = Array1<const double>;
using IntArray = Array1<int>;
using ConstIntArray = Array1<const int>;

// A 1-based matrix stored column by column: element (i, j) is the ((j - 1) * ld + i)-th.
template <class T>
class Matrix1 {
  public:
    Matrix1() = default;
    Matrix1(T* data, int rows, int cols) : Matrix1(data, rows, cols, rows) {}
    Matrix1(T* data, int rows, int cols, int leading)
        : data_(data), rows_(rows), cols_(cols), leading_(leading) {}
    template <class U>
    requires std::is_convertible_v<U (*)[], T (*)[]> Matrix1(const Matrix1<U>& other)
        : data_(other.data()),
          rows_(other.rows()),
          cols_(other.cols()),
          leading_(other.leading()) {}

    T& operator()(int i, int j) const {
        assert(i >= 1 && i <= rows_ && j >= 1 && j <= cols_);
        return data_[static_cast<std::size_t>(j - 1) * leading_ + (i - 1)];
    }
    T* data() const { return data_; }
    int rows() const { return rows_; }
    int cols() const { return cols_; }
    int leading() const { return leading_; }

  private:
    T* data_ = nullptr;
    int rows_ = 0;
    int cols_ = 0;
    int leading_ = 0;
};

using RealMatrix = Matrix1<double>;
using ConstRealMatrix = Matrix1<const double>;

// The estimate table: Rows quantities by three columns (estimate, lower and upper 95% limit).
template <int Rows>
struct StatsTable {
    static constexpr int kRows = Rows;
    static constexpr int kCols = 3;
    std::array<double, Rows * 3> values{};

    double& operator()(int row, int col) {
        assert(row >= 1 && row <= Rows && col >= 1 && col <= 3);
        return values[static_cast<std::size_t>(col - 1) * Rows + (row - 1)];
    }
    double operator()(int row, int col) const {
        assert(row >= 1 && row <= Rows && col >= 1 && col <= 3);
        return values[static_cast<std::size_t>(col - 1) * Rows + (row - 1)];
    }
    void clear() { values.fill(0.0); }
    RealMatrix matrix() { return RealMatrix(values.data(), Rows, 3); }
    ConstRealMatrix matrix() const { return ConstRealMatrix(values.data(), Rows, 3); }
    bool operator==(const StatsTable&) const = default;
};

using TbfStats = StatsTable<12>;
using IntervalStats = StatsTable<9>;

// Rows 5 to 12 of a TBF estimate table mean the same in every model.
namespace tbf_row {
inline constexpr int kHazardRate = 5;
inline constexpr int kInitialIntensity = 6;
inline constexpr int kCurrentIntensity = 7;
inline constexpr int kInitialMtbnf = 8;
inline constexpr int kCurrentMtbnf = 9;
inline constexpr int kTotalFaults = 10;
inline constexpr int kRemainingFaults = 11;
inline constexpr int kPurificationLevel = 12;
}  // namespace tbf_row

inline constexpr int kEstimate = 1;
inline constexpr int kLower = 2;
inline constexpr int kUpper = 3;

// Status codes of the estimation (MD), applicability (MA) and interval PR routines.
namespace status {
inline constexpr int kOk = 0;
inline constexpr int kMaxIterations = 1;
inline constexpr int kTrustRegion = 2;
inline constexpr int kNotAppropriate = 3;
inline constexpr int kTotalFaultsBelowObserved = 4;
inline constexpr int kTransformedReachedOne = 5;
// Littlewood and Verrall: the fitted scale psi(i) is zero or negative at an observed index.
inline constexpr int kScaleNotPositive = 6;
}  // namespace status

// Estimation methods (ESF).
namespace method {
inline constexpr int kMaximumLikelihood = 1;
inline constexpr int kLeastSquares = 2;
inline constexpr int kInitialEstimatesOnly = 3;
}  // namespace method

// The iteration limit every estimation receives.
inline constexpr int kMaxIterations = 1000;

// Capacity of every TBF array and every interval row.
inline constexpr int kCapacity = 1000;

}  // namespace vnk
