// Names of files.
#include "platform/FilePaths.h"

#include <filesystem>

namespace zul {

std::string FileNameOf(const std::string& path) { return std::filesystem::path(path).filename().string(); }

}  // namespace zul
