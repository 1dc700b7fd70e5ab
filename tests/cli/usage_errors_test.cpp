#include <gtest/gtest.h>

#include <fstream>

#include "tests/cli/run_batch.h"

namespace {

using vnk::test::RunBatchProgram;
using vnk::test::TempDir;
using vnk::test::TestData;

struct Refusal {
    std::vector<std::string> args;
    std::string message;  // part of the one line on stderr
};

void ExpectRefused(const Refusal& r) {
    const auto run = RunBatchProgram(r.args);
    std::string joined;
    for (const auto& a : r.args) joined += a + " ";
    EXPECT_EQ(run.status, 2) << joined;
    EXPECT_EQ(run.out, "") << joined;
    EXPECT_EQ(run.err.rfind("varnok3-batch: ", 0), 0u) << joined << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << joined << run.err;
    EXPECT_NE(run.err.find(r.message), std::string::npos) << joined << "\nstderr: " << run.err;
}

TEST(BatchUsageErrors, EveryOptionIsCheckedBeforeAnythingRuns) {
    const std::string ntds = TestData("ntds_tbf.txt");
    const std::vector<Refusal> refusals = {
        {{}, "FILE is required"},
        {{"--no-such-option", ntds}, "--no-such-option"},
        {{"--kind", "weekly", ntds}, "--kind: expected tbf, interval or hardware-interval"},
        {{"--layout", "1,1", ntds}, "--layout: Invalid File Format"},
        {{"--layout", "1,x", ntds}, "--layout: expected up to nine column codes"},
        {{"--layout", "1,2,3,4,5,0,0,0,0,0", ntds}, "--layout: expected up to nine"},
        {{"--kind", "interval", "--layout", "1", ntds}, "--layout: only TBF data files"},
        {{"--history", "mixed", ntds}, "--history: expected software, hardware or system"},
        {{"--failure-at-end", "maybe", ntds}, "--failure-at-end: expected yes or no"},
        {{"--unit", "fortnights", ntds}, "--unit: expected seconds"},
        {{"--method", "bayes", ntds}, "--method: expected ml or ls"},
        {{ntds}, "You must select a model to execute"},
        {{"--models", "GEO,XYZ", ntds}, "--models: XYZ is not a TBF model"},
        {{"--models", "GEO,projection", ntds},
         "software and hardware models cannot be run together"},
        {{"--models", "projection", ntds}, "the hardware models do not run on software data"},
        {{"--models", "MUS", "--method", "ls", ntds},
         "--models: MUS does not run with the ls method"},
        {{"--models", "all", "--measures", "all", "--method", "ls", ntds},
         "--measures: the applicability analyses need the ml method"},
        {{"--models", "all", "--measures", "speed", ntds}, "--measures: expected accuracy"},
        {{"--models", "all", "--measures", "all", "--range", "2:20", ntds},
         "Starting index must be greater than one and the Ending index must be less than NS-1"},
        {{"--models", "all", "--measures", "all", "--range", "13:26", ntds},
         "Starting index must be greater than one"},
        {{"--models", "all", "--measures", "all", "--range", "13-20", ntds},
         "--range: expected NSB:NSE"},
        {{"--models", "all", "--range", "3:20", ntds}, "--range: needs --measures"},
        {{"--models", "all", "--cells", "40000", ntds},
         "--cells: Please enter an integer between 0 and 32000."},
        {{"--models", "all", "--iteration-max", "lots", ntds},
         "--iteration-max: Please enter a number."},
        {{"--models", "all", "--sdw-s", "3", ntds}, "--sdw-s: expected S2,S3"},
        {{"--models", "all", "--sdw-s", "-1,2", ntds}, "--sdw-s: expected S2,S3"},
        {{"--models", "all", "--lav-start", "1", ntds}, "--lav-start: expected B0,B1"},
        {{"--models", "all", "--bm-start", "0.85,2,30", ntds},
         "--bm-start: Please enter a number between 0.0000001 and 0.99999."},
        {{"--models", "all", "--gp-start", "-1,30", ntds},
         "--gp-start: Please enter a number between 0 and 10000000."},
        {{"--models", "all", "--test-time", "x", ntds}, "--test-time: Please enter a number."},
        {{"--models", "all", "--predict", "GEO one 3", ntds},
         "--predict: expected \"MODEL Q V1[,V2...]\""},
        {{"--models", "all", "--predict", "GEO 9 3", ntds}, "--predict: GEO has questions 1 to 3"},
        {{"--models", "all", "--predict", "GEO 1 3,4", ntds},
         "--predict: question 1 of GEO takes 1 value(s)"},
        {{"--models", "GEO", "--predict", "JAM 1 3", ntds},
         "--predict: JAM is not among the models run"},
        {{"--models", "all", "--predict", "BM-B 1 3", ntds},
         "--predict: BM-B is not a model of this kind of data"},
        {{"--models", "all", "--predict", "LAV-Q 2 0.1", ntds},
         "--predict: question 2 of LAV-Q cannot be entered on its result screen"},
        {{"--ini", "--kind", "tbf", ntds}, "cannot be used with --ini"},
        {{"--kind", "interval", "--models", "GEO", TestData("data4_interval.txt")},
         "--models: GEO is not an interval model"},
        {{"--kind", "interval", "--models", "all", "--measures", "bias",
          TestData("data4_interval.txt")},
         "--measures: interval data have the accuracy analysis only"},
        {{"--kind", "interval", "--models", "BM-B", "--method", "ls",
          TestData("data4_interval.txt")},
         "--models: BM-B does not run with the ls method"},
        // The initial-estimate screens refuse totals below what they allow; the command line
        // then stops, as no run with those answers exists.
        {{"--kind", "interval", "--models", "BM-B", "--bm-start", "0.85,0.1,100",
          TestData("data4_interval.txt")},
         "--bm-start: the total number of faults must lie between 328 and 10000000"},
        {{"--kind", "interval", "--models", "GP", "--gp-start", "0.5,1",
          TestData("data4_interval.txt")},
         "--gp-start: the total number of faults must lie between 3 and 10000000"},
        {{"--kind", "interval", "--history", "hardware", "--models", "all",
          TestData("data4_interval.txt")},
         "--history: interval files hold software data"},
    };
    for (const auto& r : refusals) ExpectRefused(r);
}

// Counts whose own total is above the largest accepted one leave nothing to enter; the
// refusal says that rather than naming a range with its ends reversed.
TEST(BatchUsageErrors, AStartingTotalNoValueCanMeetIsNamedAsSuch) {
    TempDir dir;
    const std::string huge = (dir.path() / "huge.txt").string();
    std::ofstream(huge) << "1 1\n1e301 1\n4e301 1\n";
    for (const char* option : {"--bm-start", "--gp-start"}) {
        const std::string model = option[2] == 'b' ? "BM-B" : "GP";
        const std::string values = option[2] == 'b' ? "0.85,0.1,100" : "0.5,100";
        const auto run =
            RunBatchProgram({"--kind", "interval", "--models", model, option, values, huge});
        EXPECT_EQ(run.status, 2) << run.err;
        EXPECT_NE(run.err.find(std::string(option) + ": no total number of faults can be "
                                                     "accepted: the data's total, "),
                  std::string::npos)
            << run.err;
        EXPECT_NE(run.err.find("is above the largest accepted total, 10000000"), std::string::npos)
            << run.err;
        EXPECT_EQ(run.err.find("between"), std::string::npos) << run.err;
    }
}

TEST(BatchUsageErrors, HelpAndVersionGoToStdoutWithStatusZero) {
    const auto help = RunBatchProgram({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: varnok3-batch"), std::string::npos);
    EXPECT_NE(help.out.find("--predict"), std::string::npos);
    EXPECT_EQ(help.err, "");
    const auto version = RunBatchProgram({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "varnok3-batch 3.0\n");
}

// Each kind of data file the program cannot run on ends with status 2 and says why.
TEST(BatchBadDataFiles, EndWithStatusTwoAndTheirMessage) {
    TempDir dir;
    auto write = [&](const std::string& name, const std::string& text) {
        std::ofstream(dir.path() / name, std::ios::binary) << text;
        return (dir.path() / name).string();
    };
    const std::string binary = write("binary.v3d", std::string("12\0\x01\x02\n", 6));
    const std::string empty = write("empty.v3d", "");
    const std::string noTime = write("notime.v3d", "10\nabc\n12\n");
    const std::string negative = write("negative.v3d", "10\n-4\n12\n");
    const std::string oneLine = write("one.v3d", "10\n");
    const std::string badCount = write("badcount.txt", "3 1\n-2 1\n");
    const std::string badLength = write("badlength.txt", "3 1\n2 0\n");
    const std::string hwBad = write("hw.txt", "10 2\n10\n");
    const std::string hwTooMany = write("hw2.txt", "10 2\n10 11\n");
    const std::string missingData = write("missing.ini", "no-such-file.v3d\n0\n3\n1\n1\n1\n");
    const std::string badType = write("badtype.ini", TestData("ntds_tbf.txt") + "\n7\n");
    const std::string extra =
        write("extra.ini", TestData("ntds_tbf.txt") + "\n0\n3\n1\n1\n1\n2\n3\n4\n5\n1\n");

    const std::vector<Refusal> refusals = {
        {{"--models", "all", (dir.path() / "absent.v3d").string()},
         "absent.v3d: Error Opening File"},
        {{"--models", "all", dir.path().string()}, "Error Opening File"},
        {{"--models", "all", binary}, "binary.v3d: not a text file"},
        {{"--models", "all", empty}, "empty.v3d: the file holds no entries"},
        {{"--models", "all", noTime}, "notime.v3d: line 2, column 1: \"abc\" is not a number"},
        {{"--models", "all", negative},
         "negative.v3d: entry 2 has a negative time between failures"},
        {{"--models", "all", "--failure-at-end", "no", oneLine},
         "one.v3d: the file holds no entries"},
        {{"--kind", "interval", "--models", "all", badCount},
         "line 2, column 1: a fault count cannot be negative"},
        {{"--kind", "interval", "--models", "all", badLength},
         "interval 2 has a length that is not positive"},
        {{"--kind", "interval", "--models", "all", empty},
         "empty.v3d: the file holds no intervals"},
        {{"--kind", "hardware-interval", "--models", "all", hwBad},
         "line 2: expected units on test and units failing"},
        {{"--kind", "hardware-interval", "--models", "all", hwTooMany},
         "line 2: units failing must be a whole number from 0 to the units on test"},
        {{"--ini", "--models", "all", missingData},
         "The file on the VARNOK3.INI could not be opened."},
        {{"--ini", "--models", "all", badType},
         "The data type on the VARNOK3.INI file is invalid."},
        {{"--ini", "--models", "all", extra}, "There are extra fields on the VARNOK3.INI file."},
    };
    for (const auto& r : refusals) ExpectRefused(r);
}

}  // namespace
