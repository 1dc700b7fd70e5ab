#include "data/number_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

using vnk::ParseIntPrefix;
using vnk::ParseRealPrefix;

TEST(ParseRealPrefix, ReadsTheLeadingNumberLikeScanf) {
    EXPECT_EQ(ParseRealPrefix("12.5"), 12.5);
    EXPECT_EQ(ParseRealPrefix("  \t\r-3e2"), -300.0);
    EXPECT_EQ(ParseRealPrefix("+4"), 4.0);
    EXPECT_EQ(ParseRealPrefix(".5"), 0.5);
    // The longest prefix that forms a number, as "%lf" takes it.
    EXPECT_EQ(ParseRealPrefix("12abc"), 12.0);
    EXPECT_EQ(ParseRealPrefix("12\t30"), 12.0);
    EXPECT_EQ(ParseRealPrefix("7\r"), 7.0);
    std::size_t used = 0;
    EXPECT_EQ(ParseRealPrefix(" 1.5x", used), 1.5);
    EXPECT_EQ(used, 4u);
}

TEST(ParseRealPrefix, RefusesWhatIsNotAFiniteNumber) {
    for (const char* text : {"", "   ", "abc", "-", "+", "+-1", "++1", ".", "e5", "nan", "NAN",
                             "-nan", "inf", "-inf", "Infinity", "1e999", "-1e400"})
        EXPECT_FALSE(ParseRealPrefix(text).has_value()) << '"' << text << '"';
    // A NUL ends nothing special: it is simply not part of a number.
    EXPECT_EQ(ParseRealPrefix(std::string("5\0"
                                          "7",
                                          3)),
              5.0);
    EXPECT_FALSE(ParseRealPrefix(std::string("\0"
                                             "7",
                                             2))
                     .has_value());
}

TEST(ParseIntPrefix, ReadsLikePercentD) {
    EXPECT_EQ(ParseIntPrefix("3"), 3);
    EXPECT_EQ(ParseIntPrefix(" -2"), -2);
    EXPECT_EQ(ParseIntPrefix("+1"), 1);
    EXPECT_EQ(ParseIntPrefix("3.7"), 3);
    EXPECT_EQ(ParseIntPrefix("4abc"), 4);
    EXPECT_FALSE(ParseIntPrefix("").has_value());
    EXPECT_FALSE(ParseIntPrefix("x1").has_value());
    EXPECT_FALSE(ParseIntPrefix("99999999999").has_value());
}

TEST(ScanReals, StopsAtTheFirstFieldThatIsNotANumber) {
    double out[3] = {0, 0, 0};
    EXPECT_EQ(vnk::ScanReals("1 2\t3", 3, out), 3);
    EXPECT_EQ(out[2], 3.0);
    EXPECT_EQ(vnk::ScanReals("5-3", 2, out), 2);  // no blank needed between numbers
    EXPECT_EQ(out[1], -3.0);
    EXPECT_EQ(vnk::ScanReals("12abc 3", 2, out), 1);
    EXPECT_EQ(vnk::ScanReals("4 nan 6", 3, out), 1);
    EXPECT_EQ(vnk::ScanReals("1 2 3", 2, out), 2);
    EXPECT_EQ(vnk::ScanReals("", 2, out), 0);
}

// The writers must produce what printf produces in the C locale, whatever the host's locale.
TEST(NumberFormatting, MatchesPrintf) {
    for (double v : {0.0, 9.0, 2.45, -1.0, 0.000004, 0.000005, 1234567.891234, 1e15, -0.5, 2.675,
                     123456789012.5}) {
        char expected[128];
        std::snprintf(expected, sizeof expected, "%12.5f|%4.3f", v, v);
        std::string got;
        vnk::AppendFixed(got, v, 12, 5);
        got += '|';
        vnk::AppendFixed(got, v, 4, 3);
        EXPECT_EQ(got, expected) << v;
    }
    for (int v : {0, 1, -1, 42, 999, -999, 12345}) {
        char expected[32];
        std::snprintf(expected, sizeof expected, "%3d", v);
        std::string got;
        vnk::AppendInt(got, v, 3);
        EXPECT_EQ(got, expected);
    }
    std::string shortest;
    vnk::AppendShortest(shortest, 2.45);
    EXPECT_EQ(shortest, "2.45");
}

}  // namespace
