#include "numerics/trace.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/temp_dir.h"

namespace {

std::string readAll(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

class TraceTest : public ::testing::Test {
  protected:
    void TearDown() override { vnk::trace::close(); }
    vnk::test::TempDir dir;
};

TEST(TraceFormat, FieldsOverflowToAsterisks) {
    EXPECT_EQ(vnk::trace::formatInteger(42), "       42");
    EXPECT_EQ(vnk::trace::formatInteger(-12345678), "-12345678");
    EXPECT_EQ(vnk::trace::formatInteger(1234567890), "*********");
    EXPECT_EQ(vnk::trace::formatInteger(-123456789), "*********");
    EXPECT_EQ(vnk::trace::formatReal(3.25), "        3.25000");
    EXPECT_EQ(vnk::trace::formatReal(-0.000001), "       -0.00000");
    EXPECT_EQ(vnk::trace::formatReal(123456789.5), "123456789.50000");
    EXPECT_EQ(vnk::trace::formatReal(1234567890.5), "***************");
    EXPECT_EQ(vnk::trace::formatReal(1e300), "***************");
    EXPECT_EQ(vnk::trace::formatLabel("NS"), "    NS    ");
    EXPECT_EQ(vnk::trace::formatLabel("C,L,F,M"), "    C,L,F,M");
}

TEST_F(TraceTest, NothingIsWrittenWhileOff) {
    vnk::trace::Writer w;
    w.enter("SGEOMD");
    w.integer("NS", 3);
    EXPECT_FALSE(vnk::trace::isOn());
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "VNK_trace.txt"));
}

TEST_F(TraceTest, EstimationBlockIsByteExact) {
    const auto file = dir.path() / "VNK_trace.txt";
    ASSERT_TRUE(vnk::trace::open(file.string()));
    std::vector<double> dat{1.0, 2.5, 10.0};
    vnk::TbfStats stats;
    stats(1, 1) = 0.5;
    stats(12, 3) = 1.0;
    vnk::trace::Writer w;
    w.enter("SGEOMD");
    w.integer("ESF", 1);
    w.integer("NS", 3);
    w.array("DAT", dat, 3);
    w.yields("SGEOMD");
    w.integer("RFLAG", 0);
    w.stats(stats.matrix());
    vnk::trace::close();

    std::string expected =
        " \n"
        " > If the SGEOMD routine is accessed with:\n"
        "    ESF           1\n"
        "    NS            3\n"
        "    DAT           1.00000\n"
        "    DAT           2.50000\n"
        "    DAT          10.00000\n"
        " \n"
        "   then the call to SGEOMD yields:\n"
        "    RFLAG         0\n"
        "    STATS         0.50000        0.00000        0.00000\n";
    for (int i = 2; i <= 11; ++i)
        expected += "    STATS         0.00000        0.00000        0.00000\n";
    expected += "    STATS         0.00000        0.00000        1.00000\n";
    EXPECT_EQ(readAll(file), expected);
}

TEST_F(TraceTest, CombinedColumnsAndPairs) {
    const auto file = dir.path() / "VNK_trace.txt";
    ASSERT_TRUE(vnk::trace::open(file.string()));
    std::vector<double> c{1, 2}, l{3, 4}, f{5, 6}, m{7, 8};
    vnk::trace::Writer w;
    w.columns("C,L,F,M", {c, l, f, m}, 2);
    w.integerPair("DOF", 4, 0);
    w.reals("CHI", {1.5, 0.25});
    vnk::trace::close();
    EXPECT_EQ(readAll(file),
              "    C,L,F,M        1.00000        3.00000        5.00000        7.00000\n"
              "    C,L,F,M        2.00000        4.00000        6.00000        8.00000\n"
              "    DOF           4              0\n"
              "    CHI           1.50000        0.25000\n");
}

TEST_F(TraceTest, SuspensionHidesInnerBlocksAndRestoresTheSwitch) {
    const auto file = dir.path() / "VNK_trace.txt";
    ASSERT_TRUE(vnk::trace::open(file.string()));
    vnk::trace::Writer w;
    w.enter("SGEOMA");
    {
        vnk::trace::Suspension quiet;
        EXPECT_FALSE(vnk::trace::isOn());
        w.enter("SGEOMD");
        quiet.resume();
        EXPECT_TRUE(vnk::trace::isOn());
        w.yields("SGEOMA");
    }
    EXPECT_TRUE(vnk::trace::isOn());
    vnk::trace::close();
    EXPECT_EQ(readAll(file),
              " \n > If the SGEOMA routine is accessed with:\n"
              " \n   then the call to SGEOMA yields:\n");
}

TEST_F(TraceTest, OpeningAgainKeepsTheOpenFileAndAnExistingFileIsRewritten) {
    const auto file = dir.path() / "VNK_trace.txt";
    { std::ofstream(file) << "old contents that must go\n"; }
    ASSERT_TRUE(vnk::trace::open(file.string()));
    vnk::trace::Writer().line("first");
    ASSERT_TRUE(vnk::trace::open((dir.path() / "other.txt").string()));
    vnk::trace::Writer().line("second");
    vnk::trace::close();
    EXPECT_EQ(readAll(file), "first\nsecond\n");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "other.txt"));
}

TEST_F(TraceTest, UnopenableFileLeavesTracingOff) {
    EXPECT_FALSE(vnk::trace::open((dir.path() / "no/such/folder/trace.txt").string()));
    EXPECT_FALSE(vnk::trace::isOn());
}

}  // namespace

namespace {

TEST_F(TraceTest, AFinishedBlockIsOnDiskWhileTheProgramRunsAndAFullDiskIsReported) {
    const auto file = dir.path() / "VNK_trace.txt";
    ASSERT_TRUE(vnk::trace::open(file.string()));
    vnk::trace::Writer w;
    w.enter("SGEOMD");
    w.integer("NS", 3);
    w.yields("SGEOMD");
    w.integer("RFLAG", 0);
    w.enter("SJMMD");  // the first block is complete now
    EXPECT_EQ(readAll(file),
              " \n > If the SGEOMD routine is accessed with:\n    NS            3\n"
              " \n   then the call to SGEOMD yields:\n    RFLAG         0\n");
    EXPECT_EQ(vnk::trace::close(), "");

    ASSERT_TRUE(vnk::trace::open("/dev/full"));
    w.enter("SGEOMD");
    w.integer("NS", 3);
    EXPECT_EQ(vnk::trace::close(), "No space left on device");
    EXPECT_FALSE(vnk::trace::isOn());
}

}  // namespace
