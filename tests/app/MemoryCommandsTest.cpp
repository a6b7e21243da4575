// The memory window's commands: questions, insertion into the input line, the modified flag
// and the history rebuilt on closing.
#include <gtest/gtest.h>

#include "app/InputHistory.h"
#include "app/MemoryCommands.h"
#include "platform/ScriptedPlatform.h"
#include "settings/SettingsFileState.h"

namespace zul {
namespace {

struct Fixture {
    MemoryTable table;
    SettingsFileState file;
    InputHistory history;
    ScriptedPlatform platform;
    MemoryCommands commands{table, file, history, platform};
    Fixture() {
        for (const char* e : {"A//!1//!", "B//!2//!", "C//!3//!"}) table.AddOrUpdateLine(0, e);
    }
};

TEST(MemoryCommands, InsertIntoInputLine) {
    const struct {
        MemoryInsertMode mode;
        const char* line;
        const char* value;
        const char* result;
    } cases[] = {
        {MemoryInsertMode::AtStart, "2", "7", "7+2"}, {MemoryInsertMode::AtEnd, "2", "7", "2+7"},
        {MemoryInsertMode::Replace, "2", "7", "7"},   {MemoryInsertMode::AtStart, "", "7", "7"},
        {MemoryInsertMode::AtEnd, "", "7", "7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.line) + " " + c.value);
        EXPECT_EQ(InsertIntoInputLine(c.mode, c.line, c.value), c.result);
    }
}

TEST(MemoryCommands, InsertShowsWhatWasInserted) {
    const struct {
        int column;
        const char* expectedText;  // nullptr: nothing inserted
        const char* message;
    } cases[] = {
        {1, "B", "Выражение  №2  вставлено в главную строку ввода Калькулятора."},
        {2, "2", "Результат  №2  вставлен в главную строку ввода Калькулятора."},
        {3, nullptr, nullptr},
        {0, "B", "Выражение  №2  вставлено в главную строку ввода Калькулятора."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.column);
        Fixture f;
        f.commands.SetInsertMode(2);  // replace
        f.table.Select(2, c.column);
        const auto text = f.commands.PutIntoInputLine("9");
        if (c.expectedText == nullptr) {
            EXPECT_FALSE(text.has_value());
            EXPECT_TRUE(f.platform.messages().empty());
        } else {
            ASSERT_TRUE(text.has_value());
            EXPECT_EQ(*text, c.expectedText);
            EXPECT_EQ(f.platform.MessageTexts(), std::vector<std::string>{c.message});
        }
    }
}

TEST(MemoryCommands, QuestionsGuardDeleteAndClear) {
    const struct {
        const char* name;
        void (MemoryCommands::*command)();
        MessageResult answer;
        const char* question;
        int rowsAfter;
    } cases[] = {
        {"delete yes", &MemoryCommands::DeleteRow, MessageResult::Yes, "Удалить строку №2?", 2},
        {"delete no", &MemoryCommands::DeleteRow, MessageResult::No, "Удалить строку №2?", 3},
        {"clear yes", &MemoryCommands::ClearMemory, MessageResult::Yes, "Очистить память Калькулятора?",
         1},
        {"clear no", &MemoryCommands::ClearMemory, MessageResult::No, "Очистить память Калькулятора?", 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        f.table.Select(2, 1);
        f.platform.QueueMessageResult(c.answer);
        (f.commands.*c.command)();
        EXPECT_EQ(f.platform.MessageTexts(), std::vector<std::string>{c.question});
        EXPECT_EQ(f.platform.messages()[0].buttons, MessageButtons::YesNo);
        EXPECT_EQ(f.table.RowCount(), c.rowsAfter);
    }
    MemoryTable one;
    SettingsFileState file;
    InputHistory history;
    ScriptedPlatform platform;
    MemoryCommands commands(one, file, history, platform);
    commands.DeleteRow();  // one data row: nothing asked, nothing deleted
    EXPECT_TRUE(platform.messages().empty());
}

TEST(MemoryCommands, ModifiedOnlyWhileASettingsFileIsInUse) {
    const struct {
        const char* name;
        void (*command)(MemoryCommands&);
    } cases[] = {
        {"add", [](MemoryCommands& m) { m.AddRow(); }},
        {"move up", [](MemoryCommands& m) { m.MoveRowUp(); }},
        {"move down", [](MemoryCommands& m) { m.MoveRowDown(); }},
        {"cell edit", [](MemoryCommands& m) { m.EditCell(3, 1, "note"); }},
        {"insert", [](MemoryCommands& m) { m.PutIntoInputLine("1"); }},
        {"insert mode", [](MemoryCommands& m) { m.SetInsertMode(1); }},
    };
    for (const auto& c : cases) {
        for (bool inUse : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (inUse ? " with a file" : " without a file"));
            Fixture f;
            f.table.Select(2, 1);
            if (inUse) f.file.currentFile = "a.ini";
            c.command(f.commands);
            EXPECT_EQ(f.file.modified, inUse);
        }
    }
}

TEST(MemoryCommands, SelectCellCaption) {
    const struct {
        int column;
        int row;
        const char* caption;
        bool insert;
    } cases[] = {
        {1, 3, "Выражение №3", true},
        {2, 1, "Результат №1", true},
        {3, 2, "Строка №2", false},
        {0, 1, "Строка №1", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        Fixture f;
        const MemoryCellSelection s = f.commands.SelectCell(c.column, c.row);
        EXPECT_EQ(s.caption, c.caption);
        EXPECT_EQ(s.insertEnabled, c.insert);
    }
}

TEST(MemoryCommands, ClosingRebuildsTheHistoryInRowOrder) {
    Fixture f;
    f.table.SetCell(2, 1, "  ");  // a blank expression is left out
    f.history.Replace({"old"});
    f.commands.RebuildHistory();
    EXPECT_EQ(f.history.Items(), (std::vector<std::string>{"A", "C"}));
}

}  // namespace
}  // namespace zul
