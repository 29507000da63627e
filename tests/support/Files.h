#pragma once
// Reads a whole file for the tests, natively and under Wine (where the source tree is on
// drive Z:). Empty when the file cannot be read, so a test can wait for a file to appear.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace vantrel::testing {

inline std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return {};
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace vantrel::testing
