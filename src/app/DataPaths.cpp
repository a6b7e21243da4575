// Finding the shipped data: the start directory first, then the installed data folder.
#include "app/DataPaths.h"

#include <filesystem>
#include <system_error>

#include "platform/FilePaths.h"

namespace zul {
namespace {

namespace fs = std::filesystem;

bool IsDirectory(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

}  // namespace

std::string InstalledDataFolder(const std::string& programPath) {
    if (programPath.empty()) return {};
    std::error_code error;
    fs::path program = fs::weakly_canonical(fs::path(programPath), error);
    if (error) program = fs::path(programPath).lexically_normal();
    const fs::path folder = program.parent_path();
    // Only an installed layout looks above its own folder: a test program in a build folder
    // must not pick up data that happens to lie beside that folder.
    const fs::path base = folder.filename() == "bin" ? folder.parent_path() : folder;
    return (base / "share" / "zul").string();
}

bool FolderHasData(const std::string& folder, ShippedData item) {
    if (folder.empty()) return false;
    const fs::path base(folder);
    switch (item) {
        case ShippedData::Pictures:
            return IsDirectory(base / "Pict");
        case ShippedData::Literature:
            return IsFile((base / "Zul.lit").string());
        case ShippedData::Help:
            return IsFile((base / "Zul.htm").string()) || IsFile((base / "Zul.html").string());
    }
    return false;
}

std::string DataFolder(ShippedData item, const std::string& startDirectory, const std::string& programPath) {
    if (FolderHasData(startDirectory, item)) return startDirectory;
    const std::string installed = InstalledDataFolder(programPath);
    if (FolderHasData(installed, item)) return installed;
    return startDirectory;
}

DataFolders FindDataFolders(const std::string& startDirectory, const std::string& programPath) {
    return {DataFolder(ShippedData::Pictures, startDirectory, programPath),
            DataFolder(ShippedData::Literature, startDirectory, programPath),
            DataFolder(ShippedData::Help, startDirectory, programPath)};
}

}  // namespace zul
