// Names, extensions and existence of files, and choosing one through the platform.
#include "platform/FilePaths.h"

#include <filesystem>
#include <system_error>

#include "eval/Text.h"
#include "platform/Platform.h"

namespace zul {

std::string FileNameOf(const std::string& path) { return std::filesystem::path(path).filename().string(); }

bool HasExtension(const std::string& path, std::string_view extension) {
    const std::string name = FileNameOf(path);
    const std::size_t dot = name.rfind('.');
    return dot != std::string::npos &&
           EqualIgnoringAsciiCase(std::string_view(name).substr(dot + 1), extension);
}

std::string WithDefaultExtension(const std::string& path, std::string_view extension) {
    const std::string name = FileNameOf(path);
    if (name.empty() || name.find('.') != std::string::npos) return path;
    return path + "." + std::string(extension);
}

bool SingleExtension(const std::string& path, std::string& shownName) {
    shownName = FileNameOf(path);
    const std::size_t dot = shownName.find('.');
    if (dot == std::string::npos) return true;
    std::size_t runEnd = dot + 1;
    while (runEnd < shownName.size() && shownName[runEnd] == '.') ++runEnd;
    shownName.erase(dot + 1, runEnd - dot - 1);
    return shownName.find('.', dot + 1) == std::string::npos;
}

bool IsFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

bool PathExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

std::optional<ChosenFile> ChooseFile(Platform& platform, const FileDialogRequest& request,
                                     FileDialogKind kind) {
    const std::optional<std::string> chosen =
        kind == FileDialogKind::Save ? platform.SaveFileDialog(request) : platform.OpenFileDialog(request);
    if (!chosen || chosen->empty()) return std::nullopt;
    ChosenFile file;
    file.path = WithDefaultExtension(*chosen, request.defaultExtension);
    file.hasExtension = HasExtension(file.path, request.defaultExtension);
    return file;
}

}  // namespace zul
