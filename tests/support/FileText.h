#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace pwk::test {

// The bytes of the file at `path`; empty when there is none.
inline std::string FileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace pwk::test
