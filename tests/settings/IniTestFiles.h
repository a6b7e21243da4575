// Temporary folders and raw file access for the file tests.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "TempFolder.h"

namespace zul::testing {

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string ReadBytes(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return "<not a file>";
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace zul::testing
