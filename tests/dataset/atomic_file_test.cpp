#include "data/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "tests/dataset/file_helpers.h"
#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;
using vnk::test::readText;
using vnk::test::writeText;

namespace {

// Limits the size of every file this process writes, as a full disk would, for one scope.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

  private:
    rlimit previous_{};
    void (*previousHandler_)(int);
};

std::size_t filesIn(const fs::path& folder) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++count;
    return count;
}

}  // namespace

TEST(SafeWrite, AWriteThatCannotFinishKeepsTheOldFileAndGivesTheSystemsReason) {
    vnk::test::TempDir dir;
    const fs::path target = dir.path() / "report.txt";
    writeText(target, "old report\n");
    std::string reason;
    {
        FileSizeLimit limit(1000);
        reason = vnk::WriteFileSafely(target, std::string(5000, 'x'));
    }
    EXPECT_EQ(reason, "File too large");
    EXPECT_EQ(readText(target), "old report\n");
    EXPECT_EQ(filesIn(dir.path()), 1u);  // no temporary left behind
}

TEST(SafeWrite, ASymbolicLinkIsWrittenThroughAndStays) {
    vnk::test::TempDir dir;
    const fs::path real = dir.path() / "real.pdf";
    const fs::path link = dir.path() / "link.pdf";
    writeText(real, "old");
    fs::create_symlink("real.pdf", link);
    EXPECT_EQ(vnk::WriteFileSafely(link, "new"), "");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
    EXPECT_EQ(readText(real), "new");

    // A link whose file does not exist yet makes that file.
    const fs::path dangling = dir.path() / "dangling.txt";
    fs::create_symlink("made.txt", dangling);
    EXPECT_EQ(vnk::WriteFileSafely(dangling, "made"), "");
    EXPECT_EQ(readText(dir.path() / "made.txt"), "made");
}

TEST(SafeWrite, FoldersAndMissingFoldersAreRefusedWithTheirReason) {
    vnk::test::TempDir dir;
    EXPECT_EQ(vnk::WriteFileSafely(dir.path() / "none" / "x.txt", "x"),
              "No such file or directory");
    fs::create_directory(dir.path() / "sub");
    EXPECT_EQ(vnk::WriteFileSafely(dir.path() / "sub", "x"), "Is a directory");
    EXPECT_TRUE(fs::is_directory(dir.path() / "sub"));
    EXPECT_FALSE(vnk::ReplaceFileContents(dir.path() / "sub", "x"));
}

TEST(SafeWrite, SameFileSeesThroughLinksAndRelativeSpellings) {
    vnk::test::TempDir dir;
    const fs::path data = dir.path() / "data.v3d";
    writeText(data, "1\n");
    fs::create_symlink(data, dir.path() / "alias.v3d");
    EXPECT_TRUE(vnk::IsSameFile(data, dir.path() / "alias.v3d"));
    EXPECT_TRUE(vnk::IsSameFile(data, dir.path() / "." / "data.v3d"));
    EXPECT_FALSE(vnk::IsSameFile(data, dir.path() / "other.pdf"));
    EXPECT_TRUE(vnk::IsSameFile(dir.path() / "new.pdf", dir.path() / "." / "new.pdf"));
}
