// Names of files as the file commands see them.
#pragma once

#include <string>

namespace zul {

// The file name without its folder.
std::string FileNameOf(const std::string& path);

}  // namespace zul
