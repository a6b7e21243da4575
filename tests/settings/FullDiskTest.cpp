// Saves that cannot be made (a full disk, a read-only mount, an immutable file) are reported
// and leave the old file whole: settings files, the program INI and list files. Needs root
// for a small tmpfs of its own; skipped otherwise.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "app/SettingsFile.h"
#include "app/SettingsFileTestSupport.h"
#include "lists/ListFile.h"
#include "platform/ScriptedPlatform.h"
#include "settings/IniTestFiles.h"
#include "settings/ProgramIni.h"

namespace zul {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

// A 64 KiB tmpfs mounted on a fresh folder for the life of the object.
class SmallDisk {
public:
    SmallDisk() {
        if (::geteuid() == 0) mounted_ = ::mount("tmpfs", dir_.Path().c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallDisk() {
        if (mounted_) ::umount2(dir_.Path().c_str(), MNT_DETACH);
    }
    bool Mounted() const { return mounted_; }
    const std::string& Folder() const { return dir_.Path(); }
    std::string File(const std::string& name) const { return dir_.File(name); }

    // Takes every free block of the disk.
    void Fill() const {
        const int fd = ::open(File("filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const std::string block(4096, 'f');
        while (::write(fd, block.data(), block.size()) > 0) {
        }
        ::close(fd);
    }
    bool MakeReadOnly() const {
        return ::mount(nullptr, dir_.Path().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    TempFolder dir_;
    bool mounted_ = false;
};

bool SetImmutable(const std::string& path, bool on) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    int flags = 0;
    bool ok = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    if (fd >= 0) ::close(fd);
    return ok;
}

// One kind of file: how it is first written and how a later save is tried (false: refused).
struct FileKind {
    const char* name;
    std::string file;  // in the disk's folder
    std::function<bool(const std::string& folder)> save;
};

std::vector<FileKind> Kinds() {
    return {
        {"settings file", "s.ini",
         [](const std::string& folder) {
             ScriptedPlatform platform;
             Calculator c = testing::Configured();
             c.main.settingsFile.currentFile = folder + "/s.ini";
             c.main.settingsFile.modified = true;
             const bool saved = WriteSettingsFile(c, platform);
             // A refused save says so and keeps the configuration marked unsaved.
             EXPECT_EQ(saved, platform.messages().empty());
             EXPECT_EQ(saved, !c.main.settingsFile.modified);
             return saved;
         }},
        {"program INI", "Zul.ini",
         [](const std::string& folder) {
             ProgramIniValues values;
             values.autoLoad = true;
             values.autoLoadPath = folder + "/s.ini";
             const IniSaveResult r = WriteProgramIni(folder, values);
             EXPECT_EQ(r.ok, r.error.empty());
             return r.ok;
         }},
        {"list file", "l.sl",
         [](const std::string& folder) {
             ExpressionList list;
             list.ResizeLines(3);
             list.MutableLine(2) = {"2+2", "4", "", "заметка"};
             const ListWriteResult r = WriteListFile(list, folder + "/l.sl");
             EXPECT_EQ(r.ok, r.error.empty());
             return r.ok;
         }},
    };
}

TEST(FullDisk, FailedSavesLeaveTheOldFiles) {
    const struct {
        const char* name;
        std::function<bool(const SmallDisk&, const std::string& file)> breakDisk;
    } cases[] = {
        {"full disk", [](const SmallDisk& disk, const std::string&) { disk.Fill(); return true; }},
        {"read-only mount", [](const SmallDisk& disk, const std::string&) { return disk.MakeReadOnly(); }},
        {"immutable file", [](const SmallDisk&, const std::string& file) { return SetImmutable(file, true); }},
    };
    for (const auto& c : cases) {
        for (const FileKind& kind : Kinds()) {
            SCOPED_TRACE(std::string(c.name) + ", " + kind.name);
            SmallDisk disk;
            if (!disk.Mounted()) GTEST_SKIP() << "not run as root (or mounts not allowed): no small tmpfs";
            const std::string& folder = disk.Folder();
            const std::string path = disk.File(kind.file);
            ASSERT_TRUE(kind.save(folder));
            const std::string before = ReadBytes(path);
            ASSERT_TRUE(c.breakDisk(disk, path));
            EXPECT_FALSE(kind.save(folder));
            EXPECT_EQ(ReadBytes(path), before);
            SetImmutable(path, false);
            int entries = 0;  // no temporary file left behind
            for (const auto& e : std::filesystem::directory_iterator(folder))
                entries += e.path().filename() != "filler";
            EXPECT_EQ(entries, 1);
        }
    }
}

}  // namespace
}  // namespace zul
