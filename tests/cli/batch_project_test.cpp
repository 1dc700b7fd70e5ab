// A project file as the batch program's data: the same reports as the data file it holds,
// and a damaged project refused with its reason.
#include <gtest/gtest.h>

#include <fstream>

#include "data/data_file.h"
#include "data/project_file.h"
#include "tests/cli/run_batch.h"

namespace {

using vnk::test::RunBatchProgram;
using vnk::test::TempDir;
using vnk::test::TestData;

TEST(BatchProject, RunsAsTheDataFileItHoldsAndRefusesADamagedOne) {
    TempDir dir;
    vnk::Project project;
    project.data.dataKind = vnk::DataKind::Tbf;
    // Read as the batch program reads it: no failure types (software), the last line a failure.
    const auto read =
        vnk::ReadTbfFile(project.data, TestData("sys1_tbf.txt"), vnk::kDefaultColumnLayout);
    ASSERT_EQ(read.status, vnk::FileStatus::Ok);
    if (read.askErrorHistory)
        vnk::ApplyMissingFailureType(project.data, vnk::ErrorHistory::Software);
    if (read.askFailureAtEnd) vnk::ApplyFailureAtEnd(project.data, true);
    const auto path = dir.path() / "sys1.v3p";
    ASSERT_EQ(vnk::SaveProjectFile(project, path), "");

    const auto fromData = RunBatchProgram({"--models", "all", "--json", TestData("sys1_tbf.txt")});
    const auto fromProject = RunBatchProgram({"--models", "all", "--json", path.string()});
    ASSERT_EQ(fromProject.status, 0) << fromProject.err;
    EXPECT_EQ(fromProject.out, fromData.out);

    std::ofstream(dir.path() / "bad.v3p") << "{\"format\": \"varnok3-project\", \"version\": 7}";
    const auto bad = RunBatchProgram({"--models", "all", (dir.path() / "bad.v3p").string()});
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("newer version"), std::string::npos) << bad.err;
}

}  // namespace
