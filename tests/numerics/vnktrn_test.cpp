#include "numerics/vnktrn.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "tests/numerics/trace_capture.h"

namespace {

namespace trn = vnk::trn;
namespace trn_error = vnk::trn_error;

int Transform(std::vector<double>& data, int type, double A, double B = 0.0) {
    int ERRFLG = -5;
    vnk::VNKTRN(static_cast<int>(data.size()), A, B, type, data, ERRFLG);
    return ERRFLG;
}

void ExpectValues(const std::vector<double>& actual, const std::vector<double>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-12 * (1.0 + std::fabs(expected[i]))) << i;
}

TEST(Vnktrn, EachTransformation) {
    std::vector<double> d{1, 2, 4};
    EXPECT_EQ(Transform(d, trn::kAdd, 0.5), 0);
    ExpectValues(d, {1.5, 2.5, 4.5});
    EXPECT_EQ(Transform(d, trn::kMultiply, 2), 0);
    ExpectValues(d, {3, 5, 9});
    EXPECT_EQ(Transform(d, trn::kPower, 0.5), 0);
    ExpectValues(d, {std::sqrt(3.0), std::sqrt(5.0), 3});
    d = {1, 2, 4};
    EXPECT_EQ(Transform(d, trn::kLog, 2, 1), 0);
    ExpectValues(d, {std::log(3.0), std::log(5.0), std::log(9.0)});
    d = {1, 2, 4};
    EXPECT_EQ(Transform(d, trn::kExp, -1, 1), 0);
    ExpectValues(d, {1, std::exp(-1.0), std::exp(-3.0)});
    d = {1, 2, 4};
    EXPECT_EQ(Transform(d, 99, 10), 0);  // unknown types add A
    ExpectValues(d, {11, 12, 14});
}

TEST(Vnktrn, RunningSumGivesFailureTimes) {
    std::vector<double> d{3, 4, 5, 0, 2};
    EXPECT_EQ(Transform(d, trn::kRunningSum, 123, 456), 0);  // A and B play no part
    ExpectValues(d, {3, 7, 12, 12, 14});
    std::vector<double> one{8};
    EXPECT_EQ(Transform(one, trn::kRunningSum, 0), 0);
    ExpectValues(one, {8});
}

TEST(Vnktrn, WholeNumberPowersAcceptNegativeValues) {
    std::vector<double> d{-3, 0, 2};
    EXPECT_EQ(Transform(d, trn::kPower, 2), 0);
    ExpectValues(d, {9, 0, 4});
    d = {-2, 4};
    EXPECT_EQ(Transform(d, trn::kPower, -1), 0);
    ExpectValues(d, {-0.5, 0.25});
}

TEST(Vnktrn, RefusedTransformationsLeaveTheDataUnchanged) {
    struct Case {
        std::vector<double> data;
        int type;
        double A, B;
        int ERRFLG;
    };
    const Case cases[] = {
        {{4, 0, 9}, trn::kPower, 0.5, 0, trn_error::kRealPowerOfNonPositive},
        {{4, 5e-11}, trn::kPower, 0.5, 0, trn_error::kRealPowerOfNonPositive},
        {{2, 0}, trn::kLog, 1, 0, trn_error::kLogOfNonPositive},
        {{2, 3}, trn::kLog, -1, 2.5, trn_error::kLogOfNonPositive},  // 2.5 - 3 < 0
        {{700, 742}, trn::kExp, 1, 0, trn_error::kExpOutOfRange},
        {{1, -676}, trn::kExp, 1, 0, trn_error::kExpOutOfRange},
        // Within -675.81..741.66 but beyond what a double holds: refused rather than stored
        // as an infinity.
        {{1, 720}, trn::kExp, 1, 0, trn_error::kExpOutOfRange},
        {{1, 2}, trn::kMultiply, 1e308, 0, trn_error::kResultOutOfRange},
        {{1, 1e308}, trn::kAdd, 1e308, 0, trn_error::kResultOutOfRange},
        {{1, 0}, trn::kPower, -1, 0, trn_error::kResultOutOfRange},  // 0 to a negative power
        {{1e308, 1e308}, trn::kRunningSum, 0, 0, trn_error::kResultOutOfRange},
    };
    for (const Case& c : cases) {
        std::vector<double> d = c.data;
        EXPECT_EQ(Transform(d, c.type, c.A, c.B), c.ERRFLG) << "type " << c.type << " A " << c.A;
        EXPECT_EQ(d, c.data) << "type " << c.type << " A " << c.A;
    }
}

TEST(Vnktrn, LimitsOfTheChecks) {
    std::vector<double> d{700, 1e-10};
    EXPECT_EQ(Transform(d, trn::kExp, 1, 0), 0);
    EXPECT_NEAR(d[0], std::exp(700.0), std::exp(700.0) * 1e-15);
    d = {1e-10};
    EXPECT_EQ(Transform(d, trn::kPower, 0.5), 0);  // the floor itself is accepted
    EXPECT_NEAR(d[0], 1e-5, 1e-18);
    d = {1e-10};
    EXPECT_EQ(Transform(d, trn::kLog, 1, 0), 0);
    EXPECT_NEAR(d[0], std::log(1e-10), 1e-12);
}

TEST(Vnktrn, MessagesForTheScreen) {
    EXPECT_STREQ(vnk::TransformationErrorMessage(1),
                 "Raising a non-positive real number to a real power.");
    EXPECT_STREQ(vnk::TransformationErrorMessage(2),
                 "A LOG was attempted on a computed negative or zero value.");
    EXPECT_STREQ(vnk::TransformationErrorMessage(3),
                 "An EXP was attempted on a value that is out of range.");
    EXPECT_STRNE(vnk::TransformationErrorMessage(4), "");
    EXPECT_STREQ(vnk::TransformationErrorMessage(0), "");
}

TEST(Vnktrn, TraceBlockIsByteExact) {
    std::vector<double> d{0, 2};
    vnk::test::TraceCapture capture;
    Transform(d, trn::kLog, 1.5, -0.25);
    EXPECT_EQ(capture.text(),
              " \n"
              " > If the VNKTRN routine is accessed with:\n"
              "    NS            2\n"
              "    A             1.50000\n"
              "    B            -0.25000\n"
              "    TRNTYP        4\n"
              "    DAT           0.00000\n"
              "    DAT           2.00000\n"
              " \n"
              "   then the call to VNKTRN yields:\n"
              "    ERRFLG        2\n"
              "    DAT           0.00000\n"
              "    DAT           2.00000\n");
}

}  // namespace
