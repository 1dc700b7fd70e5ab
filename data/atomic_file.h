// Replacing a file's contents so that a failure at any step leaves the old file as it was:
// the one way every output of the program reaches the disk.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vnk {

// Writes `contents` to a new temporary file in the target's folder, checks every write, the
// flush to disk and the close, renames it over the target and flushes the folder, so the new
// contents survive a crash once this returns. A symbolic link is written through: the file it
// points to is replaced and the link stays. The new file takes the permissions of the file it
// replaces (or the usual ones for a new file). On any failure the temporary file is removed,
// the target is untouched and the result is the system's reason ("No space left on device");
// on success the result is empty.
std::string WriteFileSafely(const std::filesystem::path& target, std::string_view contents);

// writeFileSafely, for callers that only need to know whether it worked.
bool ReplaceFileContents(const std::filesystem::path& target, std::string_view contents);

// Whether two paths name the same file (through links, "./" and the like). A path that does
// not exist yet names the same file only when both spell the same absolute location.
bool IsSameFile(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace vnk
