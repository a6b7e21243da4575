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

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

TEST(IniFile, SaveGoesThroughLinksToTheirTarget) {
    namespace fs = std::filesystem;
    const struct {
        const char* name;
        const char* link;    // saved through
        const char* target;  // the regular file that receives the key
        bool targetExists;
    } cases[] = {
        {"link to a file", "link.ini", "real.ini", true},
        {"dangling link", "link.ini", "real.ini", false},
        {"relative link into a folder", "link.ini", "sub/real.ini", true},
        {"chain ending in a dangling link", "first.ini", "real.ini", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder dir;
        fs::create_directory(dir.File("sub"));
        const std::string target = dir.File(c.target);
        if (c.targetExists) {
            WriteBytes(target, "[S]\r\nk=1\r\nother=x\r\n");
            ::chmod(target.c_str(), 0600);
        }
        if (std::string(c.link) == "first.ini") {
            fs::create_symlink("second.ini", dir.File("first.ini"));
            fs::create_symlink(target, dir.File("second.ini"));
        } else {
            fs::create_symlink(c.target, dir.File(c.link));  // relative to the link's folder
        }
        ASSERT_TRUE(WriteIniString(dir.File(c.link), "S", "k", "2").ok);
        EXPECT_TRUE(fs::is_symlink(dir.File(c.link)));
        ASSERT_TRUE(fs::is_regular_file(fs::symlink_status(target)));
        EXPECT_EQ(ReadIniString(target, "S", "k", ""), "2");
        if (c.targetExists) {
            EXPECT_EQ(ReadIniString(target, "S", "other", ""), "x");
            EXPECT_EQ(ModeOf(target), 0600u);  // a private file stays private
        }
    }
}

TEST(IniFile, RefusedSavesThroughLinksAndFolders) {
    namespace fs = std::filesystem;
    TempFolder dir;
    fs::create_symlink("loop2.ini", dir.File("loop1.ini"));
    fs::create_symlink("loop1.ini", dir.File("loop2.ini"));
    WriteBytes(dir.File("ro.ini"), "[S]\r\nk=old\r\n");
    ::chmod(dir.File("ro.ini").c_str(), 0444);
    fs::create_symlink("ro.ini", dir.File("to-ro.ini"));
    fs::create_directory(dir.File("folder.ini"));
    fs::create_symlink("folder.ini", dir.File("to-folder.ini"));
    const struct {
        const char* path;
        const char* error;  // nullptr: any reason
    } cases[] = {
        {"loop1.ini", nullptr},
        {"to-ro.ini", "файл только для чтения"},
        {"folder.ini", "это папка, а не файл"},
        {"to-folder.ini", "это папка, а не файл"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const IniSaveResult r = WriteIniString(dir.File(c.path), "S", "k", "new");
        EXPECT_FALSE(r.ok);
        if (c.error) {
            EXPECT_EQ(r.error, c.error);
        }
    }
    EXPECT_EQ(ReadBytes(dir.File("ro.ini")), "[S]\r\nk=old\r\n");
    IniDocument doc;
    EXPECT_EQ(doc.Load(dir.File("folder.ini")).error, "это папка, а не файл");
}

TEST(IniFile, EveryNameThatFitsCanBeSaved) {
    const std::string names[] = {
        std::string(247, 'a') + ".ini",
        std::string(251, 'b') + ".ini",                    // 255 bytes, the longest name
        "Настройки" + std::string(233, 'c') + ".ini",      // 255 bytes with Cyrillic letters
        std::string(120, 'x') + "Длинное имя" + std::string(100, 'y') + ".ini",
    };
    for (const std::string& name : names) {
        SCOPED_TRACE(name.size());
        TempFolder dir;
        const std::string path = dir.File(name);
        ASSERT_TRUE(WriteIniString(path, "S", "k", "1").ok);
        const IniSaveResult again = WriteIniString(path, "S", "k", "2");
        ASSERT_TRUE(again.ok) << again.error;
        EXPECT_EQ(ReadIniString(path, "S", "k", ""), "2");
        int entries = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path())) ++entries;
        EXPECT_EQ(entries, 1);
    }
}

TEST(IniFile, RootKeepsOwnerAndGroup) {
    if (::geteuid() != 0) GTEST_SKIP() << "not run as root: owner and group cannot be given away";
    TempFolder dir;
    const std::string path = dir.File("user.ini");
    WriteBytes(path, "[S]\r\nk=1\r\n");
    ASSERT_EQ(::chown(path.c_str(), 4321, 4322), 0);
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(WriteIniString(path, "S", "k", "2").ok);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 4321u);
    EXPECT_EQ(st.st_gid, 4322u);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST(IniFile, WhatIsWrittenCanBeReadAgain) {
    TempFolder dir;
    const std::string path = dir.File("big.ini");
    WriteBytes(path, "[S]\r\nk=old\r\n");
    // Values that make the file exactly as large as a file may be, then one byte larger.
    const std::string head = "[S]\r\nk=";
    const std::size_t fill = IniDocument::kMaxFileSize - head.size() - 2;
    for (const std::size_t extra : {std::size_t{0}, std::size_t{1}}) {
        SCOPED_TRACE(extra);
        IniDocument doc;
        doc.Write("S", "k", std::string(fill + extra, 'v'));
        const IniSaveResult saved = doc.Save(path);
        IniDocument back;
        if (extra == 0) {
            ASSERT_TRUE(saved.ok) << saved.error;
            ASSERT_TRUE(back.Load(path).ok());
            EXPECT_EQ(back.Read("S", "k", "").size(), fill);
        } else {
            EXPECT_FALSE(saved.ok);
            EXPECT_EQ(saved.error, kWouldBeTooLargeText);
            EXPECT_EQ(std::filesystem::file_size(path), IniDocument::kMaxFileSize);  // the old file
        }
    }
}

TEST(IniFile, ByteOrderMarksOfTheTextSurvive) {
    const std::string files[] = {
        "\xEF\xBB\xBF\xEF\xBB\xBF; note\r\n[S]\r\nk=v\r\n",        // U+FEFF opens the text
        "\xEF\xBB\xBF\xEF\xBB\xBF\xEF\xBB\xBF[S]\r\nk=v\r\n",
        "\xEF\xBB\xBF[S]\r\nk=\xEF\xBB\xBFv\r\n",                    // and opens a value
    };
    for (const std::string& bytes : files) {
        SCOPED_TRACE(bytes);
        TempFolder dir;
        const std::string path = dir.File("bom.ini");
        WriteBytes(path, bytes);
        IniDocument expected;
        ASSERT_TRUE(expected.Load(path).ok());
        expected.Write("S", "added", "1");
        ASSERT_TRUE(WriteIniString(path, "S", "added", "1").ok);
        IniDocument after;
        ASSERT_TRUE(after.Load(path).ok());
        EXPECT_EQ(after.Serialize(), expected.Serialize());  // the same text, U+FEFF included
    }
}

TEST(IniFile, NumberedValuesInTheirOrder) {
    IniDocument doc;
    doc.Parse("[S]\r\nstr-3=c\r\nSTR-1=a\r\nstr-03=zero\r\nstr-x=x\r\nstr-5=beyond\r\nstr-3=dup\r\n"
              "str-=none\r\nstr-2 =b\r\nstr--1=neg\r\n[T]\r\nstr-4=other\r\n");
    const std::vector<std::pair<int, std::string>> expected = {{1, "a"}, {2, "b"}, {3, "c"}};
    EXPECT_EQ(NumberedValues(doc, "s", "str-", 4), expected);
    EXPECT_TRUE(NumberedValues(doc, "S", "str-", 0).empty());
    EXPECT_TRUE(NumberedValues(doc, "None", "str-", 4).empty());
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
