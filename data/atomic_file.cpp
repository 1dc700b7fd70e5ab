#include "data/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>
#include <string>
#include <system_error>

namespace vnk {

namespace {

std::string systemReason(int error) { return std::strerror(error); }

// Follows a chain of symbolic links to the file they name, so that the link itself survives
// the replacement. Loops end after as many steps as the system itself would take.
std::filesystem::path followLinks(std::filesystem::path target) {
    for (int step = 0; step < 40; ++step) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(target, ec))) break;
        const std::filesystem::path next = std::filesystem::read_symlink(target, ec);
        if (ec) break;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target;
}

// Opens a file that did not exist before, next to the target.
int createTemporary(const std::filesystem::path& target, std::filesystem::path& temporary) {
    std::random_device seed;
    std::mt19937 generator(seed());
    const std::filesystem::path folder = target.parent_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folder / ("." + target.filename().string() + ".tmp" +
                              std::to_string(generator() % 1000000000u));
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// 0, or the errno of the write that failed.
int writeAll(int fd, std::string_view contents) {
    while (!contents.empty()) {
        const ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (written == 0) return EIO;
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// Makes the rename itself durable. Some file systems cannot sync a folder; that is no
// failure of the write.
int syncFolder(const std::filesystem::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return 0;
    int error = 0;
    if (::fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP) error = errno;
    ::close(fd);
    return error;
}

// The first step that failed, as an errno; 0 when every step worked.
int writeTemporary(int fd, const std::filesystem::path& target, std::string_view contents) {
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        // Keep the old file's permission bits; anything but a regular file is not ours to
        // replace.
        if (!S_ISREG(existing.st_mode)) return S_ISDIR(existing.st_mode) ? EISDIR : EINVAL;
        if (::fchmod(fd, existing.st_mode & 07777) != 0) return errno;
    }
    if (const int error = writeAll(fd, contents)) return error;
    if (::fsync(fd) != 0) return errno;
    return 0;
}

}  // namespace

std::string WriteFileSafely(const std::filesystem::path& requested, std::string_view contents) {
    if (requested.filename().empty()) return systemReason(EISDIR);
    const std::filesystem::path target = followLinks(requested);
    std::filesystem::path temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0) return systemReason(errno);

    int error = writeTemporary(fd, target, contents);
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return systemReason(error);
    }
    if (const int syncError = syncFolder(target.parent_path())) return systemReason(syncError);
    return {};
}

bool ReplaceFileContents(const std::filesystem::path& target, std::string_view contents) {
    return WriteFileSafely(target, contents).empty();
}

bool IsSameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    if (std::filesystem::equivalent(a, b, ec)) return true;
    const auto fullA = std::filesystem::weakly_canonical(a, ec);
    if (ec) return false;
    const auto fullB = std::filesystem::weakly_canonical(b, ec);
    return !ec && fullA == fullB;
}

}  // namespace vnk
