// Files as the file commands see them: names, extensions, whether a file is there, and
// the one way a command chooses a file through the platform's file dialog.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zul {

class Platform;
struct FileDialogRequest;

// The file name without its folder.
std::string FileNameOf(const std::string& path);
// The extension after the last dot of the file name is `extension`, in any ASCII letter
// case.
bool HasExtension(const std::string& path, std::string_view extension);
// Appends the extension to a name typed without a dot, as the file dialogs do:
// "list" -> "list.sl"; "list.txt", "a.b/list." and a folder stay as they are.
std::string WithDefaultExtension(const std::string& path, std::string_view extension);
// The file name as messages show it: a run of dots at the first dot counts as one. False
// when a further dot follows, so that the extension itself would hold a dot.
bool SingleExtension(const std::string& path, std::string& shownName);

// A regular file (or a link to one) is there. Never throws.
bool IsFile(const std::string& path);
// Anything is there under the path, a folder too. Never throws.
bool PathExists(const std::string& path);

enum class FileDialogKind { Open, Save };

// What a file dialog gave, with the request's default extension added to a name typed
// without one.
struct ChosenFile {
    std::string path;
    bool hasExtension = false;  // the path ends in the request's default extension
};

// Shows the open or save dialog; nothing when it was cancelled or gave an empty name.
std::optional<ChosenFile> ChooseFile(Platform& platform, const FileDialogRequest& request,
                                     FileDialogKind kind);

}  // namespace zul
