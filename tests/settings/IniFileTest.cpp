// INI files on disk: the one-key helpers, encodings on disk, atomic and reported writes,
// the header check.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "settings/IniFile.h"
#include "settings/IniTestFiles.h"

namespace zul {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

TEST(IniFile, OneKeyHelpersCreateReadAndKeep) {
    TempFolder dir;
    const std::string path = dir.File("a.ini");
    EXPECT_EQ(ReadIniString(path, "Program", "Name", "none"), "none");  // no file yet
    ASSERT_TRUE(WriteIniString(path, "Program", "Name", "ZUL (ver 1.4)").ok);
    ASSERT_TRUE(WriteIniString(path, "Notes", "n1", "Заметка").ok);
    ASSERT_TRUE(WriteIniString(path, "General", "Radian", "1").ok);
    ASSERT_TRUE(EraseIniSection(path, "General").ok);
    EXPECT_EQ(ReadIniString(path, "program", "name", ""), "ZUL (ver 1.4)");
    EXPECT_EQ(ReadIniString(path, "Notes", "N1", ""), "Заметка");
    EXPECT_EQ(ReadIniString(path, "General", "Radian", "gone"), "gone");
    // On disk: CRLF and Windows-1251.
    EXPECT_EQ(ReadBytes(path),
              "[Program]\r\nName=ZUL (ver 1.4)\r\n[Notes]\r\nn1=\xC7\xE0\xEC\xE5\xF2\xEA\xE0\r\n");
}

TEST(IniFile, EncodingOnDisk) {
    const struct {
        const char* name;
        std::string onDisk;
        const char* value;
    } cases[] = {
        {"Windows-1251 written by hand", "[S]\r\nk=\xD0\xE0\xF1\xF5\xEE\xE4\r\n", "Расход"},
        {"UTF-8 edited on Linux", "[S]\nk=Расход\n", "Расход"},
        {"UTF-8 with byte order mark", "\xEF\xBB\xBF[S]\nk=Расход\n", "Расход"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder dir;
        const std::string path = dir.File("s.ini");
        WriteBytes(path, c.onDisk);
        EXPECT_EQ(ReadIniString(path, "S", "k", ""), c.value);
        // A value the code page lacks turns the whole file into UTF-8; nothing is lost.
        ASSERT_TRUE(WriteIniString(path, "S", "greek", "α").ok);
        EXPECT_EQ(ReadIniString(path, "S", "k", ""), c.value);
        EXPECT_EQ(ReadIniString(path, "S", "greek", ""), "α");
    }
}

TEST(IniFile, FailedWritesAreReportedAndLeaveTheFile) {
    TempFolder dir;
    const std::string readOnly = dir.File("ro.ini");
    WriteBytes(readOnly, "[S]\r\nk=old\r\n");
    ::chmod(readOnly.c_str(), 0444);
    const std::string folderAsFile = dir.File("folder.ini");
    std::filesystem::create_directory(folderAsFile);
    const std::string huge = dir.File("huge.ini");
    WriteBytes(huge, "[S]\r\nk=old\r\n");
    std::filesystem::resize_file(huge, IniDocument::kMaxFileSize + 1);

    const struct {
        const char* name;
        std::string path;
    } cases[] = {
        {"read-only file", readOnly}, {"missing folder", dir.File("no/such/folder/x.ini")},
        {"a folder", folderAsFile},   {"file too large to keep its content", huge},
        {"empty name", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string before = c.path.empty() ? "" : ReadBytes(c.path);
        const IniSaveResult r = WriteIniString(c.path, "S", "k", "new");
        EXPECT_FALSE(r.ok);
        EXPECT_FALSE(r.error.empty());
        if (!c.path.empty()) {
            EXPECT_EQ(ReadBytes(c.path), before);
        }
    }
    // No temporary file is left behind.
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path())) ++entries;
    EXPECT_EQ(entries, 3);
}

TEST(IniFile, LoadReportsWhatItCouldNotRead) {
    TempFolder dir;
    WriteBytes(dir.File("big.ini"), "[S]\r\n");
    std::filesystem::resize_file(dir.File("big.ini"), IniDocument::kMaxFileSize + 1);
    std::filesystem::create_directory(dir.File("sub"));
    const struct {
        const char* name;
        std::string path;
        IniLoadStatus status;
    } cases[] = {
        {"missing", dir.File("none.ini"), IniLoadStatus::Missing},
        {"too large", dir.File("big.ini"), IniLoadStatus::TooLarge},
        {"a folder", dir.File("sub"), IniLoadStatus::Unreadable},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        IniDocument doc;
        EXPECT_EQ(doc.Load(c.path).status, c.status);
        EXPECT_TRUE(doc.SectionNames().empty());
    }
}

TEST(IniFile, SaveKeepsPermissionsAndFollowsLinks) {
    TempFolder dir;
    const std::string real = dir.File("real.ini");
    WriteBytes(real, "[S]\r\nk=1\r\n");
    ::chmod(real.c_str(), 0640);
    const std::string link = dir.File("link.ini");
    std::filesystem::create_symlink(real, link);
    ASSERT_TRUE(WriteIniString(link, "S", "k", "2").ok);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadIniString(real, "S", "k", ""), "2");
    struct stat st {};
    ASSERT_EQ(::stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(IniFile, HeaderCheck) {
    const struct {
        const char* file;
        bool passes;
    } cases[] = {
        {"[Program]\r\nName=ZUL (ver 1.4)\r\n", true},
        {"[Program]\r\nName=ZUL (ver 9.9)\r\n", true},
        {"[Program]\r\nName=ZULU\r\n", true},
        {"[PROGRAM]\r\nname=ZUL\r\n", true},
        {"[Program]\r\nName=zul (ver 1.4)\r\n", false},  // case-sensitive value
        {"[Program]\r\nName=\" ZUL\"\r\n", false},       // blank within the first three
        {"[Program]\r\nName=ZU\r\n", false},
        {"[Program]\r\nName=\r\n", false},
        {"[General]\r\nName=ZUL\r\n", false},  // no Program section
        {"", false},
        {"[Program]\r\nName=ЗУЛ\r\n", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        IniDocument doc;
        doc.Parse(c.file);
        EXPECT_EQ(PassesZulHeader(doc), c.passes);
    }
    IniDocument doc;
    WriteZulHeader(doc);
    EXPECT_EQ(doc.Serialize(), "[Program]\r\nName=ZUL (ver 1.4)\r\n");
}

}  // namespace
}  // namespace zul
