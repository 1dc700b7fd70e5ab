#include "models/value_highlight.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using vnk::models::IsHighlightedValue;

TEST(ValueHighlight, ManyIntegerDigits) {
    EXPECT_TRUE(IsHighlightedValue(12345.0));
    EXPECT_FALSE(IsHighlightedValue(1234.5));
    EXPECT_FALSE(IsHighlightedValue(9999.99));
    EXPECT_TRUE(IsHighlightedValue(9999.9999999));  // prints as 10000.000000
    EXPECT_TRUE(IsHighlightedValue(-1234.5));       // "-1234" holds no decimal point
    EXPECT_TRUE(IsHighlightedValue(1e300));
}

TEST(ValueHighlight, TinyValues) {
    EXPECT_TRUE(IsHighlightedValue(0.00001));            // 1.000000e-05
    EXPECT_TRUE(IsHighlightedValue(0.0000999999));       // 9.999990e-05
    EXPECT_FALSE(IsHighlightedValue(0.00009999999999));  // rounds to 1.000000e-04
    EXPECT_FALSE(IsHighlightedValue(0.0001));
    EXPECT_FALSE(IsHighlightedValue(0.001));  // "0.001"
    EXPECT_TRUE(IsHighlightedValue(1e-300));
    EXPECT_FALSE(IsHighlightedValue(-0.00001));  // "-0.00" is not "0.000"
}

TEST(ValueHighlight, ZeroAndValuesWithoutDigits) {
    EXPECT_FALSE(IsHighlightedValue(0.0));
    EXPECT_FALSE(IsHighlightedValue(-0.0));
    EXPECT_FALSE(IsHighlightedValue(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(IsHighlightedValue(std::numeric_limits<double>::quiet_NaN()));
}

}  // namespace
