// Writing the calculation note as a file.
#include "app/ReportFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "app/ReportHtml.h"
#include "app/ReportPictures.h"
#include "settings/IniFile.h"

namespace zul {

std::string SelfContainedReportHtml(const ReportHeading& heading, std::span<const JournalEntry> entries,
                                    const std::string& picturesFolder) {
    return BuildReportHtml(heading, entries, MakePictureResolver(picturesFolder, PictureEmbedding::DataUri));
}

bool CanWriteFileAt(const std::string& path, std::string& error) {
    namespace fs = std::filesystem;
    if (path.empty()) {
        error = "имя файла не задано";
        return false;
    }
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (fs::is_directory(st)) {
        error = std::string(kFolderText);
        return false;
    }
    if (fs::exists(st) && ::access(path.c_str(), W_OK) != 0) {
        error = std::strerror(errno);
        return false;
    }
    fs::path folder = fs::path(path).parent_path();
    if (folder.empty()) folder = ".";
    // The save goes through a new file of the folder: try one.
    std::string probe = (folder / ".zul-probe.XXXXXX").string();
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

}  // namespace zul
