// The file commands of the expression lists window with a scripted platform: questions,
// messages, paths and the saved indicator.
#include <gtest/gtest.h>

#include <filesystem>

#include "TempFolder.h"
#include "lists/ListFile.h"
#include "lists/ListFileCommands.h"
#include "platform/Question.h"
#include "platform/ScriptedPlatform.h"

namespace zul {
namespace {

using testing::TempFolder;

struct Window {
    ExpressionList list;
    ScriptedPlatform platform;
    QuestionDialog question;
    ListFileCommands commands{list, platform, question};
};

std::string StoredList(const TempFolder& folder, const std::string& name, std::initializer_list<const char*> exprs) {
    ExpressionList list;
    list.ResizeLines(static_cast<int>(exprs.size()));
    int k = 1;
    for (const char* e : exprs) list.MutableLine(k++).expression = e;
    const std::string path = folder.File(name);
    EXPECT_TRUE(WriteListFile(list, path).ok);
    return path;
}

TEST(ListSaveAs, NameRulesAndOutcome) {
    struct Case { const char* name; std::optional<std::string> chosen; bool failed; const char* written; std::vector<std::string> messages; };
    const Case cases[] = {
        {"plain name", "a.sl", false, "a.sl", {}},
        {"typed without extension", "b", false, "b.sl", {}},
        {"upper-case extension", "c.SL", false, "c.SL", {}},
        {"run of dots counts as one", "d..sl", false, "d..sl", {}},
        {"other extension refused silently", "e.txt", true, nullptr, {}},
        {"two dots refused", "f.x.sl", true, nullptr, {"Ошибка в расширении файла:  f.x.sl"}},
        {"cancelled", std::nullopt, true, nullptr, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        Window w;
        w.list.SetCell(1, kColumnExpression, "1+1");
        w.platform.QueueFile(c.chosen ? std::optional<std::string>(folder.File(*c.chosen)) : std::nullopt);
        w.commands.SaveListFileAs();
        EXPECT_EQ(w.commands.SaveFailed(), c.failed);
        EXPECT_EQ(w.platform.MessageTexts(), c.messages);
        ASSERT_EQ(w.platform.fileDialogs().size(), 1u);
        EXPECT_EQ(w.platform.fileDialogs()[0].request.title, "Сохранение списка вычислений");
        EXPECT_EQ(w.platform.fileDialogs()[0].request.defaultExtension, "sl");
        if (c.written) {
            EXPECT_TRUE(std::filesystem::exists(folder.File(c.written)));
            EXPECT_EQ(w.list.Path(), folder.File(c.written));
            EXPECT_EQ(w.list.Indicator(), SavedIndicator::Saved);
        } else {
            EXPECT_FALSE(w.list.FileOpen());
            EXPECT_EQ(w.list.Indicator(), SavedIndicator::Changed);
        }
    }
}

TEST(ListSave, SavedOrWrittenOrAsked) {
    TempFolder folder;
    Window w;
    // A fresh list has no file: Save asks for a name instead of claiming it is saved.
    w.platform.QueueFile(folder.File("s.sl"));
    w.commands.SaveListFile();
    EXPECT_EQ(w.list.Path(), folder.File("s.sl"));
    EXPECT_EQ(w.list.Indicator(), SavedIndicator::Saved);

    w.commands.SaveListFile();
    EXPECT_EQ(w.platform.MessageTexts(),
              std::vector<std::string>{"Этот список строк-выражений уже сохранен в файле:\n" + folder.File("s.sl")});

    w.list.SetCell(1, kColumnExpression, "7*6");
    w.commands.SaveListFile();
    EXPECT_EQ(w.list.Indicator(), SavedIndicator::Saved);
    EXPECT_NE(TempFolder::Read(folder.File("s.sl")).find("str-1=7*6//!"), std::string::npos);
    EXPECT_EQ(w.platform.fileDialogs().size(), 1u);
}

TEST(ListSave, WriteFailureIsReportedAndKeepsTheChange) {
    TempFolder folder;
    Window w;
    w.list.SetPath(folder.File("no/such/folder/x.sl"));
    w.list.SetCell(1, kColumnExpression, "1");
    w.commands.SaveListFile();
    EXPECT_TRUE(w.commands.SaveFailed());
    EXPECT_EQ(w.list.Indicator(), SavedIndicator::Changed);
    ASSERT_EQ(w.platform.messages().size(), 1u);
    EXPECT_EQ(w.platform.messages()[0].kind, MessageKind::Error);
}

TEST(ListClose, AsksWhenChanged) {
    struct Case { const char* name; bool changed; bool withFile; MessageResult answer; bool reset; int questions; };
    const Case cases[] = {
        {"saved list with file", false, true, MessageResult::Ok, true, 0},
        {"saved list without file", false, false, MessageResult::Ok, false, 0},
        {"changed, answered no", true, true, MessageResult::No, true, 1},
        {"changed, answered abort", true, true, MessageResult::Abort, false, 1},
        {"changed, box closed", true, true, MessageResult::Closed, false, 1},
        {"changed, answered yes", true, true, MessageResult::Yes, true, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        Window w;
        w.list.InsertLine();
        w.list.SetCell(2, kColumnExpression, "2+2");
        if (c.withFile) w.list.SetPath(folder.File("c.sl"));
        w.list.SetIndicator(c.changed ? SavedIndicator::Changed : SavedIndicator::Saved);
        w.platform.QueueMessageResult(c.answer);
        w.commands.CloseListFile();
        EXPECT_EQ(static_cast<int>(w.platform.messages().size()), c.questions);
        if (c.questions) {
            EXPECT_EQ(w.platform.messages()[0].text, "Этот список строк был изменен. Сохранить изменения?...");
            EXPECT_EQ(w.platform.messages()[0].buttons, MessageButtons::YesNoAbort);
        }
        EXPECT_EQ(w.list.LineCount() == 1 && !w.list.FileOpen(), c.reset);
        if (c.reset) {
            EXPECT_EQ(w.list.Indicator(), SavedIndicator::None);
        }
        if (c.answer == MessageResult::Yes) {
            EXPECT_TRUE(std::filesystem::exists(folder.File("c.sl")));
        }
    }
}

TEST(ListErase, DeletesOnlyAfterYes) {
    struct Case { const char* name; MessageResult answer; bool deleted; std::vector<std::string> extra; };
    const Case cases[] = {
        {"yes", MessageResult::Yes, true, {"Файл удален."}},
        {"no", MessageResult::No, false, {}},
        {"closed", MessageResult::Closed, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        Window w;
        const std::string path = StoredList(folder, "e.sl", {"1", "2"});
        w.list.SetPath(path);
        w.list.ResizeLines(2);
        w.platform.QueueMessageResult(c.answer);
        w.commands.DeleteListFile();
        std::vector<std::string> messages{"Вы уверены, что нужно УДАЛИТЬ текущий файл? - \n" + path};
        messages.insert(messages.end(), c.extra.begin(), c.extra.end());
        EXPECT_EQ(w.platform.MessageTexts(), messages);
        EXPECT_EQ(!std::filesystem::exists(path), c.deleted);
        EXPECT_EQ(w.list.FileOpen(), !c.deleted);
        EXPECT_EQ(w.list.LineCount(), c.deleted ? 1 : 2);
    }
    Window none;
    none.commands.DeleteListFile();
    EXPECT_TRUE(none.platform.messages().empty());
}

TEST(ListOpen, WithoutAFileOpenAsksNothing) {
    TempFolder folder;
    const std::string path = StoredList(folder, "o.sl", {"a", "b", "c"});
    Window w;
    w.list.SetCell(1, kColumnExpression, "typed");
    w.platform.QueueFile(path);
    w.commands.OpenListFile();
    EXPECT_TRUE(w.platform.questions().empty());
    EXPECT_EQ(w.list.LineCount(), 3);
    EXPECT_EQ(w.list.Path(), path);
    EXPECT_EQ(w.list.CurrentRow(), 1);
    EXPECT_EQ(w.list.Indicator(), SavedIndicator::Saved);
    EXPECT_EQ(w.platform.fileDialogs()[0].request.title, "Открытие списка вычислений");
}

TEST(ListOpen, TheListQuestionDecidesReplaceOrAppend) {
    struct Case { const char* name; std::optional<int> choice; int lines; std::string pathName; int current; SavedIndicator indicator; };
    const Case cases[] = {
        {"replace", 1, 3, "new.sl", 1, SavedIndicator::Changed},
        {"append", 2, 5, "old.sl", 5, SavedIndicator::Changed},
        {"abandoned", std::nullopt, 2, "old.sl", 1, SavedIndicator::Saved},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::string oldPath = StoredList(folder, "old.sl", {"x", "y"});
        const std::string newPath = StoredList(folder, "new.sl", {"a", "b", "c"});
        Window w;
        w.platform.QueueFile(oldPath);
        w.commands.OpenListFile();
        if (c.choice) w.platform.QueueContinue(*c.choice);
        else w.platform.QueueAbort();
        w.platform.QueueFile(newPath);
        w.commands.OpenListFile();
        ASSERT_EQ(w.platform.questions().size(), 1u);
        EXPECT_EQ(w.platform.questions()[0].groupCaption, "Список выражений");
        EXPECT_EQ(w.list.LineCount(), c.lines);
        EXPECT_EQ(w.list.Path(), folder.File(c.pathName));
        EXPECT_EQ(w.list.CurrentRow(), c.current);
        EXPECT_EQ(w.list.Indicator(), c.indicator);
        EXPECT_EQ(w.commands.AppendedLoad(), c.choice.has_value());
    }
}

TEST(ListOpen, FailuresLeaveTheList) {
    struct Case { const char* name; std::string file; std::string bytes; std::vector<std::string> messages; bool failedFlag; };
    const Case cases[] = {
        {"missing file", "gone.sl", "", {"Файл не существует:\n@"}, false},
        {"not a list file", "bad.sl", "[Program]\nName=other\n",
         {"Этот файл не является файлом со списком строк для программы ЗУЛ:  bad.sl"}, false},
        {"other extension", "x.txt", "[Program]\nName=ZUL\n", {}, true},
        {"a folder", "dir.sl", "", {"Не удалось прочитать файл:\n@\nэто папка, а не файл"}, false},
        {"too large", "big.sl", "", {"Не удалось прочитать файл:\n@\nфайл больше 16 МБ"}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::string path = c.bytes.empty() ? folder.File(c.file) : folder.Write(c.file, c.bytes);
        if (c.file == "dir.sl") std::filesystem::create_directory(path);
        if (c.file == "big.sl") {
            folder.Write(c.file, "[Program]\nName=ZUL\n");
            std::filesystem::resize_file(path, 17 * 1024 * 1024);
        }
        Window w;
        w.list.SetCell(1, kColumnExpression, "unsaved");
        w.platform.QueueFile(path);
        w.commands.OpenListFile();
        std::vector<std::string> messages = c.messages;
        for (auto& m : messages) {
            const std::size_t at = m.find('@');
            if (at != std::string::npos) m.replace(at, 1, path);
        }
        EXPECT_EQ(w.platform.MessageTexts(), messages);
        EXPECT_EQ(w.list.Line(1).expression, "unsaved");
        EXPECT_EQ(w.list.Indicator(), SavedIndicator::Changed);  // the unsaved change is still known
        EXPECT_FALSE(w.list.FileOpen());
        EXPECT_EQ(w.commands.SaveFailed(), c.failedFlag);
    }
}

TEST(ListWindowClose, AsksOnlyWhenChanged) {
    struct Case { const char* name; bool changed; MessageResult answer; bool closes; };
    const Case cases[] = {
        {"saved", false, MessageResult::Ok, true},
        {"no", true, MessageResult::No, true},
        {"abort", true, MessageResult::Abort, false},
        {"yes but save cancelled", true, MessageResult::Yes, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Window w;
        if (c.changed) w.list.SetCell(1, kColumnExpression, "1");
        w.platform.QueueMessageResult(c.answer);
        EXPECT_EQ(w.commands.MayCloseWindow(), c.closes);
        if (c.changed) {
            EXPECT_EQ(w.platform.messages()[0].text, "Список строк был изменен. Сохранить изменения?...");
        }
    }
}

}  // namespace
}  // namespace zul
