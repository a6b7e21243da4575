// File input and output of INI documents: bounded reading, atomic writing.
#include "settings/IniFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace zul {
namespace fs = std::filesystem;
namespace {

std::string ErrnoText(int error) { return std::strerror(error); }

// Writes all bytes, retrying short writes.
bool WriteAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

IniSaveResult Failure(std::string text) { return IniSaveResult{false, std::move(text)}; }

// The first code points of a UTF-8 text.
std::string_view FirstCharacters(std::string_view s, std::size_t count) {
    std::size_t i = 0;
    while (i < s.size() && count > 0) {
        ++i;
        while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
        --count;
    }
    return s.substr(0, i);
}

// The file a save writes: symbolic links followed to the file they name, also when the
// last one names no file yet. False for a loop of links.
bool SaveTarget(const std::string& path, fs::path& target) {
    target = path;
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(target, ec))) return true;
        const fs::path next = fs::read_symlink(target, ec);
        if (ec) return true;  // the save itself reports what is wrong
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return false;
}

// The temporary file's name: "." + name + ".XXXXXX", with the name shortened (at a
// character boundary) so that the whole fits wherever the name itself fits.
std::string TempName(const fs::path& folder, const std::string& name) {
    constexpr std::size_t kAdded = 8;
    long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    if (limit <= 0) limit = NAME_MAX;
    std::size_t keep = name.size();
    if (keep + kAdded > static_cast<std::size_t>(limit)) {
        keep = static_cast<std::size_t>(limit) > kAdded ? static_cast<std::size_t>(limit) - kAdded : 0;
        while (keep > 0 && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80) --keep;
    }
    return "." + name.substr(0, keep) + ".XXXXXX";
}

// Gives the temporary file the mode of the file it replaces (or of a new file under the
// umask), and its owner and group: root must keep them, or a user's file would become
// root's; another process keeps what it may give away. The owner goes first, since a
// change of owner clears set-id bits.
bool KeepOwnerAndMode(int fd, const struct stat* old) {
    if (!old) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return ::fchmod(fd, 0666 & ~mask) == 0;
    }
    const bool foreign = old->st_uid != ::geteuid() || old->st_gid != ::getegid();
    if (foreign && ::fchown(fd, old->st_uid, old->st_gid) != 0 && ::geteuid() == 0) return false;
    return ::fchmod(fd, old->st_mode & 07777) == 0;
}

// The renamed entry reaches the disk with its folder; a failure here loses nothing.
void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

IniLoadResult IniDocument::Load(const std::string& path) {
    Parse({});
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (!fs::exists(st)) return {IniLoadStatus::Missing, {}};
    if (fs::is_directory(st)) return {IniLoadStatus::Unreadable, std::string(kFolderText)};
    if (!fs::is_regular_file(st)) return {IniLoadStatus::Unreadable, "это не файл"};
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec) return {IniLoadStatus::Unreadable, ec.message()};
    if (size > kMaxFileSize) return {IniLoadStatus::TooLarge, std::string(kTooLargeText)};
    std::ifstream in(path, std::ios::binary);
    if (!in) return {IniLoadStatus::Unreadable, ErrnoText(errno)};
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(size));
    // Read at most one byte past the limit: the file may have grown since it was measured.
    char buffer[65536];
    while (in && bytes.size() <= kMaxFileSize) {
        in.read(buffer, sizeof buffer);
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) return {IniLoadStatus::Unreadable, ErrnoText(errno)};
    if (bytes.size() > kMaxFileSize) return {IniLoadStatus::TooLarge, std::string(kTooLargeText)};
    Parse(bytes);
    return {IniLoadStatus::Ok, {}};
}

IniSaveResult IniDocument::Save(const std::string& path) const {
    if (path.empty()) return Failure("имя файла не задано");
    const std::string bytes = Serialize();
    // What could not be opened again is not written.
    if (bytes.size() > kMaxFileSize) return Failure(std::string(kWouldBeTooLargeText));
    return SaveFileBytes(path, bytes);
}

IniSaveResult SaveFileBytes(const std::string& path, std::string_view bytes) {
    if (path.empty()) return Failure("имя файла не задано");
    fs::path target;
    if (!SaveTarget(path, target)) return Failure(ErrnoText(ELOOP));
    struct stat st {};
    const bool existed = ::stat(target.c_str(), &st) == 0;
    if (existed) {
        if (S_ISDIR(st.st_mode)) return Failure(std::string(kFolderText));
        if (!S_ISREG(st.st_mode)) return Failure("это не файл");
        if ((st.st_mode & 0222) == 0) return Failure("файл только для чтения");
        // A read-only mount or an immutable file: refused before anything is created.
        if (::access(target.c_str(), W_OK) != 0) return Failure(ErrnoText(errno));
    }
    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    std::string temp = (folder / TempName(folder, target.filename().string())).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return Failure(ErrnoText(errno));
    const bool written = KeepOwnerAndMode(fd, existed ? &st : nullptr) && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    const int writeError = errno;
    if (::close(fd) != 0 || !written) {
        const int error = written ? errno : writeError;
        ::unlink(temp.c_str());
        return Failure(ErrnoText(error));
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return Failure(ErrnoText(error));
    }
    SyncFolder(folder);
    return {};
}

std::string ReadIniString(const std::string& path, std::string_view section, std::string_view key,
                          std::string_view defaultValue) {
    IniDocument doc;
    doc.Load(path);
    return doc.Read(section, key, defaultValue);
}

namespace {
template <typename Edit>
IniSaveResult EditIniFile(const std::string& path, Edit edit) {
    IniDocument doc;
    const IniLoadResult loaded = doc.Load(path);
    // Writing over a file that could not be read would lose its other sections.
    if (!loaded.ok() && loaded.status != IniLoadStatus::Missing) return Failure(loaded.error);
    edit(doc);
    return doc.Save(path);
}
}  // namespace

IniSaveResult WriteIniString(const std::string& path, std::string_view section, std::string_view key,
                             std::string_view value) {
    return EditIniFile(path, [&](IniDocument& doc) { doc.Write(section, key, value); });
}

IniSaveResult EraseIniSection(const std::string& path, std::string_view section) {
    return EditIniFile(path, [&](IniDocument& doc) { doc.EraseSection(section); });
}

std::vector<std::pair<int, std::string>> NumberedValues(const IniDocument& document, std::string_view section,
                                                        std::string_view prefix, int count) {
    std::vector<std::pair<int, std::string>> values;
    const std::string foldedPrefix = FoldIniName(prefix);
    for (const std::string& key : document.Keys(section)) {
        const std::string folded = FoldIniName(key);
        if (folded.size() <= foldedPrefix.size() || folded.compare(0, foldedPrefix.size(), foldedPrefix) != 0)
            continue;
        const std::string_view digits = std::string_view(folded).substr(foldedPrefix.size());
        if (digits.front() == '0' || digits.size() > 10) continue;
        long long n = 0;
        bool decimal = true;
        for (char c : digits) {
            decimal = decimal && c >= '0' && c <= '9';
            n = n * 10 + (c - '0');
        }
        if (decimal && n >= 1 && n <= count) values.emplace_back(static_cast<int>(n), document.Read(section, key, ""));
    }
    std::sort(values.begin(), values.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    return values;
}

std::string ZulHeaderText() { return "ZUL (ver " + std::string(kFileFormatVersion) + ")"; }

bool PassesZulHeader(const IniDocument& document) {
    const std::string name = document.Read(kHeaderSection, kHeaderKey, "");
    std::string_view head = FirstCharacters(name, 3);
    // Trimming removes the characters of code 32 and below at both ends.
    while (!head.empty() && static_cast<unsigned char>(head.front()) <= 32) head.remove_prefix(1);
    while (!head.empty() && static_cast<unsigned char>(head.back()) <= 32) head.remove_suffix(1);
    return head == "ZUL";
}

void WriteZulHeader(IniDocument& document) { document.Write(kHeaderSection, kHeaderKey, ZulHeaderText()); }

}  // namespace zul
