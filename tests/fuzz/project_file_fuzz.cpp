// Fuzzes the project file reader: arbitrary text is refused with a reason or read into a
// project that writes back to text reading as the same project.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "data/project_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    vnk::Project project;
    const vnk::ProjectReadResult read = vnk::ParseProjectFile(text, project);
    if (!read.error.empty()) return 0;
    const std::string written = vnk::FormatProjectFile(project);
    vnk::Project again;
    if (!vnk::ParseProjectFile(written, again).error.empty() ||
        vnk::FormatProjectFile(again) != written) {
        std::fprintf(stderr, "project fuzz: a project read does not survive writing\n");
        std::abort();
    }
    return 0;
}
