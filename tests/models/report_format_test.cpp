// Report formatting: what snprintf gives for every finite value, "n/a" in the field for any
// value that is not finite.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>

#include "models/model_description.h"

namespace {

using vnk::models::Format;

TEST(ReportFormat, FiniteValuesAreFormattedAsSnprintfDoes) {
    char expected[256];
    std::snprintf(expected, sizeof expected,
                  "%12.5f|%12.3d|%-10s|%5.3f|%12.4e|%g|%-10zu|%% %c%8d %12.5lf %*.*f", 3.14159265,
                  7, "ab", -0.0005, 1.5e300, 1e-310, static_cast<std::size_t>(42), 'x', -12, 2.5, 9,
                  2, 1.005);
    EXPECT_EQ(Format("%12.5f|%12.3d|%-10s|%5.3f|%12.4e|%g|%-10zu|%% %c%8d %12.5lf %*.*f",
                     3.14159265, 7, "ab", -0.0005, 1.5e300, 1e-310, static_cast<std::size_t>(42),
                     'x', -12, 2.5, 9, 2, 1.005),
              expected);
    EXPECT_EQ(Format("no conversions"), "no conversions");
    const std::string longText(1000, 'z');
    EXPECT_EQ(Format("<%s>", longText.c_str()), "<" + longText + ">");
}

TEST(ReportFormat, NonFiniteValuesShowAsNotAvailableInTheirField) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(Format("[%12.5f][%12.1f][%-6.2f][%f][%3.1f]", inf, -inf, nan, -nan, nan),
              "[         n/a][         n/a][n/a   ][n/a][n/a]");
    // The arguments after one that is not finite are still read in order.
    EXPECT_EQ(Format("%12.5f %d %s %*.*f", nan, 5, "x", 6, 1, inf), "         n/a 5 x    n/a");
}

}  // namespace
