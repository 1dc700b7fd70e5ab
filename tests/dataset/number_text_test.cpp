#include "data/number_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

using vnk::parseIntPrefix;
using vnk::parseRealPrefix;

TEST(ParseRealPrefix, ReadsTheLeadingNumberLikeScanf) {
    EXPECT_EQ(parseRealPrefix("12.5"), 12.5);
    EXPECT_EQ(parseRealPrefix("  \t\r-3e2"), -300.0);
    EXPECT_EQ(parseRealPrefix("+4"), 4.0);
    EXPECT_EQ(parseRealPrefix(".5"), 0.5);
    // The longest prefix that forms a number, as "%lf" takes it.
    EXPECT_EQ(parseRealPrefix("12abc"), 12.0);
    EXPECT_EQ(parseRealPrefix("12\t30"), 12.0);
    EXPECT_EQ(parseRealPrefix("7\r"), 7.0);
    std::size_t used = 0;
    EXPECT_EQ(parseRealPrefix(" 1.5x", used), 1.5);
    EXPECT_EQ(used, 4u);
}

TEST(ParseRealPrefix, RefusesWhatIsNotAFiniteNumber) {
    for (const char* text : {"", "   ", "abc", "-", "+", "+-1", "++1", ".", "e5", "nan", "NAN",
                             "-nan", "inf", "-inf", "Infinity", "1e999", "-1e400"})
        EXPECT_FALSE(parseRealPrefix(text).has_value()) << '"' << text << '"';
    // A NUL ends nothing special: it is simply not part of a number.
    EXPECT_EQ(parseRealPrefix(std::string("5\0"
                                          "7",
                                          3)),
              5.0);
    EXPECT_FALSE(parseRealPrefix(std::string("\0"
                                             "7",
                                             2))
                     .has_value());
}

TEST(ParseIntPrefix, ReadsLikePercentD) {
    EXPECT_EQ(parseIntPrefix("3"), 3);
    EXPECT_EQ(parseIntPrefix(" -2"), -2);
    EXPECT_EQ(parseIntPrefix("+1"), 1);
    EXPECT_EQ(parseIntPrefix("3.7"), 3);
    EXPECT_EQ(parseIntPrefix("4abc"), 4);
    EXPECT_FALSE(parseIntPrefix("").has_value());
    EXPECT_FALSE(parseIntPrefix("x1").has_value());
    EXPECT_FALSE(parseIntPrefix("99999999999").has_value());
}

TEST(ScanReals, StopsAtTheFirstFieldThatIsNotANumber) {
    double out[3] = {0, 0, 0};
    EXPECT_EQ(vnk::scanReals("1 2\t3", 3, out), 3);
    EXPECT_EQ(out[2], 3.0);
    EXPECT_EQ(vnk::scanReals("5-3", 2, out), 2);  // no blank needed between numbers
    EXPECT_EQ(out[1], -3.0);
    EXPECT_EQ(vnk::scanReals("12abc 3", 2, out), 1);
    EXPECT_EQ(vnk::scanReals("4 nan 6", 3, out), 1);
    EXPECT_EQ(vnk::scanReals("1 2 3", 2, out), 2);
    EXPECT_EQ(vnk::scanReals("", 2, out), 0);
}

// The writers must produce what printf produces in the C locale, whatever the host's locale.
TEST(NumberFormatting, MatchesPrintf) {
    for (double v : {0.0, 9.0, 2.45, -1.0, 0.000004, 0.000005, 1234567.891234, 1e15, -0.5, 2.675,
                     123456789012.5}) {
        char expected[128];
        std::snprintf(expected, sizeof expected, "%12.5f|%4.3f", v, v);
        std::string got;
        vnk::appendFixed(got, v, 12, 5);
        got += '|';
        vnk::appendFixed(got, v, 4, 3);
        EXPECT_EQ(got, expected) << v;
    }
    for (int v : {0, 1, -1, 42, 999, -999, 12345}) {
        char expected[32];
        std::snprintf(expected, sizeof expected, "%3d", v);
        std::string got;
        vnk::appendInt(got, v, 3);
        EXPECT_EQ(got, expected);
    }
    std::string shortest;
    vnk::appendShortest(shortest, 2.45);
    EXPECT_EQ(shortest, "2.45");
}

}  // namespace
