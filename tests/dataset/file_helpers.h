// Small file helpers shared by the data layer tests.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace vnk::test {

inline void writeText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

inline std::string readText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace vnk::test
