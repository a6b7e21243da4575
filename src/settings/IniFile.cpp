// File input and output of INI documents: bounded reading, atomic writing.
#include "settings/IniFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
bool WriteAll(int fd, const std::string& bytes) {
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

}  // namespace

IniLoadResult IniDocument::Load(const std::string& path) {
    Parse({});
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (!fs::exists(st)) return {IniLoadStatus::Missing, {}};
    if (!fs::is_regular_file(st)) return {IniLoadStatus::Unreadable, "это не файл"};
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec) return {IniLoadStatus::Unreadable, ec.message()};
    if (size > kMaxFileSize) return {IniLoadStatus::TooLarge, "файл больше 16 МБ"};
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
    if (bytes.size() > kMaxFileSize) return {IniLoadStatus::TooLarge, "файл больше 16 МБ"};
    Parse(bytes);
    return {IniLoadStatus::Ok, {}};
}

IniSaveResult IniDocument::Save(const std::string& path) const {
    if (path.empty()) return Failure("имя файла не задано");
    std::error_code ec;
    fs::path target(path);
    // Write through a symbolic link to the file it names, not over the link.
    if (fs::is_symlink(fs::symlink_status(target, ec))) target = fs::weakly_canonical(target, ec);
    mode_t mode = 0666;
    bool existed = false;
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) return Failure("это не файл");
        if ((st.st_mode & 0222) == 0) return Failure("файл только для чтения");
        mode = st.st_mode & 07777;
        existed = true;
    }
    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    std::string tempName = ".";
    tempName += target.filename().string();
    tempName += ".XXXXXX";
    std::string temp = (folder / tempName).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return Failure(ErrnoText(errno));
    if (!existed) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    const std::string bytes = Serialize();
    const bool written = WriteAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
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

std::string ZulHeaderText() { return "ZUL (ver " + std::string(kProgramVersion) + ")"; }

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
