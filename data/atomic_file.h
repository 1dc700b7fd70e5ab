// Replacing a file's contents so that a failure at any step leaves the old file as it was.
#pragma once

#include <filesystem>
#include <string_view>

namespace vnk {

// Writes `contents` to a new temporary file in the target's folder and renames it over the
// target. The new file takes the permissions of the file it replaces (or the usual ones for
// a new file). On any failure the temporary file is removed, the target is untouched and the
// result is false.
bool replaceFileContents(const std::filesystem::path& target, std::string_view contents);

}  // namespace vnk
