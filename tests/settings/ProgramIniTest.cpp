// The program INI: start-up values with their defaults, and what the exit writes.
#include <gtest/gtest.h>

#include "settings/IniFile.h"
#include "settings/IniTestFiles.h"
#include "settings/ProgramIni.h"

namespace zul {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

const std::string kHeader = "[Program]\r\nName=ZUL (ver 1.4)\r\n";

TEST(ProgramIni, ReadingAtStart) {
    const struct {
        const char* name;
        std::string content;  // "<none>": no file
        ProgramIniValues values;
    } cases[] = {
        {"no file", "<none>", {}},
        {"all on",
         kHeader + "[AutoLoad]\r\nTrue=1\r\nFileName=  /x/a.ini  "
                   "\r\n[General]\r\nRadian=2\r\nEscExit=1\r\nAskExit=5\r\n"
                   "[Report]\r\nObject= Дом на Садовой \r\nAuthor=Иванов\r\n",
         {true, "/x/a.ini", AngleUnit::Grads, true, true, {"Дом на Садовой", "", "Иванов", ""}}},
        {"True must be exactly 1", kHeader + "[AutoLoad]\r\nTrue=yes\r\n", {}},
        {"01 is off", kHeader + "[AutoLoad]\r\nTrue=01\r\n", {}},
        {"other angle text is radians", kHeader + "[General]\r\nRadian=x\r\n", {}},
        {"degrees", kHeader + "[General]\r\nRadian=1\r\n", {false, "", AngleUnit::Degrees, false, false, {}}},
        {"exit options not integers", kHeader + "[General]\r\nEscExit=on\r\nAskExit=\r\n", {}},
        {"bad header ignored", "[Program]\r\nName=Other\r\n[AutoLoad]\r\nTrue=1\r\n", {}},
        {"no header ignored", "[AutoLoad]\r\nTrue=1\r\n", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder dir;
        if (c.content != "<none>") WriteBytes(dir.File("Zul.ini"), c.content);
        EXPECT_EQ(ReadProgramIni(dir.Path()), c.values);
    }
}

TEST(ProgramIni, WritingAtExit) {
    ProgramIniValues mine;
    mine.autoLoad = true;
    mine.autoLoadPath = " /a b/c.ini ";
    mine.angleUnit = AngleUnit::Degrees;
    mine.askExit = true;
    const ProgramIniValues defaults;
    ProgramIniValues withHeading;
    withHeading.reportHeading = {"House 5", "HVAC", "", "01.02.2025"};  // the file is Windows-1251
    const struct {
        const char* name;
        std::string before;
        const ProgramIniValues* values;
        std::string after;
    } cases[] = {
        {"new file", "", &mine,
         kHeader + "[AutoLoad]\r\nTrue=1\r\nFileName=/a "
                   "b/c.ini\r\n[General]\r\nRadian=1\r\nEscExit=0\r\nAskExit=1\r\n"},
        {"bad header overwritten, other keys kept",
         "[Program]\r\nName=junk\r\nOwner=me\r\n[General]\r\nExtra=1\r\nRadian=2\r\n", &defaults,
         "[Program]\r\nName=ZUL (ver "
         "1.4)\r\nOwner=me\r\n[General]\r\nExtra=1\r\nRadian=0\r\nEscExit=0\r\nAskExit=0\r\n"
         "[AutoLoad]\r\nTrue=0\r\nFileName=\r\n"},
        {"heading of the note in a section of its own", "", &withHeading,
         kHeader + "[AutoLoad]\r\nTrue=0\r\nFileName=\r\n[General]\r\nRadian=0\r\nEscExit=0\r\nAskExit=0\r\n"
                   "[Report]\r\nObject=House 5\r\nSection=HVAC\r\nAuthor=\r\nDate=01.02.2025\r\n"},
        {"a heading emptied is emptied in the file", kHeader + "[Report]\r\nObject=Дом\r\n", &defaults,
         kHeader + "[Report]\r\nObject=\r\nSection=\r\nAuthor=\r\nDate=\r\n[AutoLoad]\r\nTrue=0\r\nFileName=\r\n"
                   "[General]\r\nRadian=0\r\nEscExit=0\r\nAskExit=0\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder dir;
        if (!c.before.empty()) WriteBytes(dir.File("Zul.ini"), c.before);
        ASSERT_TRUE(WriteProgramIni(dir.Path(), *c.values).ok);
        EXPECT_EQ(ReadBytes(dir.File("Zul.ini")), c.after);
        const ProgramIniValues back = ReadProgramIni(dir.Path());
        EXPECT_EQ(back.autoLoad, c.values->autoLoad);
        EXPECT_EQ(back.autoLoadPath, c.values == &mine ? "/a b/c.ini" : "");  // trimmed
        EXPECT_EQ(back.angleUnit, c.values->angleUnit);
        EXPECT_EQ(back.askExit, c.values->askExit);
        EXPECT_EQ(back.reportHeading, c.values->reportHeading);
    }
}

TEST(ProgramIni, FailedWriteIsReported) {
    TempFolder dir;
    EXPECT_FALSE(WriteProgramIni(dir.File("missing-folder"), {}).ok);
}

}  // namespace
}  // namespace zul
