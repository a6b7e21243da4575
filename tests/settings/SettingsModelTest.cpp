// The settings model: the user-constants grid's rows, tidying and checks, the reset, the
// recent settings files, and the settings window's commands.
#include <gtest/gtest.h>

#include "app/Calculator.h"
#include "app/SettingsModelCommands.h"
#include "platform/ScriptedPlatform.h"
#include "settings/IniTestFiles.h"
#include "settings/SettingsModel.h"

namespace zul {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

// The user rows and the blank row as "number name=value" texts.
std::vector<std::string> Rows(const UserConstantsGrid& g) {
    std::vector<std::string> out;
    for (int r = UserConstantsGrid::kFirstUserRow; r < g.RowCount(); ++r)
        out.push_back(g.Cell(r, 0) + " " + g.Cell(r, 1) + "=" + g.Cell(r, 2));
    return out;
}

TEST(UserConstantsGrid, FreshGrid) {
    UserConstantsGrid g;
    const struct {
        int row;
        const char* c0;
        const char* c1;
        const char* c2;
    } cases[] = {
        {0, "", "Имя", "Значение"}, {1, "0.", "pi", "3.141592653590"},
        {2, "0.", "g", "9.80665"},  {3, "0.", "e", "2.718281828459"},
        {4, "1.", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(g.Cell(c.row, 0), c.c0);
        EXPECT_EQ(g.Cell(c.row, 1), c.c1);
        EXPECT_EQ(g.Cell(c.row, 2), c.c2);
    }
    EXPECT_EQ(g.RowCount(), 5);
    EXPECT_EQ(g.UserCount(), 0);
    EXPECT_EQ(g.CurrentRow(), 4);
}

TEST(UserConstantsGrid, EditingRowRules) {
    const struct {
        const char* name;
        std::vector<std::tuple<int, int, const char*>> edits;  // column, row, text
        std::vector<std::string> rows;
    } cases[] = {
        {"typing into the blank row adds a blank row", {{1, 4, "a"}}, {"1. a=", "2. ="}},
        {"a value alone also counts", {{2, 4, "5"}}, {"1. =5", "2. ="}},
        {"emptying the last user row removes the blank row", {{1, 4, "a"}, {1, 4, ""}}, {"1. ="}},
        {"emptying one cell of two keeps the row", {{1, 4, "a"}, {2, 4, "1"}, {1, 4, ""}}, {"1. =1", "2. ="}},
        {"emptying a middle row keeps everything",
         {{1, 4, "a"}, {1, 5, "b"}, {1, 4, ""}},
         {"1. =", "2. b=", "3. ="}},
        {"system rows cannot be edited", {{1, 1, "x"}}, {"1. ="}},
        {"column 0 cannot be edited", {{0, 4, "x"}}, {"1. ="}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        UserConstantsGrid g;
        for (const auto& [column, row, text] : c.edits) g.SetEditText(column, row, text);
        EXPECT_EQ(Rows(g), c.rows);
    }
}

TEST(UserConstantsGrid, TidyAndCheck) {
    const struct {
        const char* name;
        std::vector<UserConstant> constants;
        bool ok;
        std::vector<std::string> rows;
        int currentRow;
        int currentColumn;
    } cases[] = {
        {"empty middle row removed",
         {{"a", "1"}, {"", ""}, {"b", "2"}},
         true,
         {"1. a=1", "2. b=2", "3. ="},
         4,
         1},
        {"two empty rows: the second is not examined again",
         {{"a", "1"}, {"", ""}, {"", ""}, {"b", "2"}},
         true,
         {"1. a=1", "2. =", "3. b=2", "4. ="},
         4,
         1},
        {"blanks trimmed", {{" a ", " 1 "}}, true, {"1. a=1", "2. ="}, 4, 1},
        {"empty last user row stays", {{"a", "1"}, {"", ""}}, true, {"1. a=1", "2. =", "3. ="}, 4, 1},
        {"bad value", {{"a", "1"}, {"b", "1,5"}}, false, {"1. a=1", "2. b=1,5", "3. ="}, 5, 2},
        {"system name", {{"pi", "3"}}, false, {"1. pi=3", "2. ="}, 4, 1},
        {"names are case-sensitive", {{"Pi", "3"}, {"G", "1"}}, true, {"1. Pi=3", "2. G=1", "3. ="}, 4, 1},
        {"value check comes before the name check",
         {{"e", "1"}, {"x", "y"}},
         false,
         {"1. e=1", "2. x=y", "3. ="},
         5,
         2},
        {"name without value passes", {{"a", ""}, {"", "2"}}, true, {"1. a=", "2. =2", "3. ="}, 4, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        UserConstantsGrid g;
        g.SetUserConstants(c.constants);
        EXPECT_EQ(g.TidyAndCheck(), c.ok);
        EXPECT_EQ(Rows(g), c.rows);
        EXPECT_EQ(g.CurrentRow(), c.currentRow);
        if (!c.ok) {
            EXPECT_EQ(g.CurrentColumn(), c.currentColumn);
        }
    }
}

TEST(SettingsModel, RecentSettingsFiles) {
    const struct {
        const char* name;
        std::vector<const char*> added;
        std::vector<std::string> entries;
    } cases[] = {
        {"newest first", {"a.ini", "b.ini"}, {"b.ini", "a.ini"}},
        {"again moves to the top", {"a.ini", "b.ini", "a.ini"}, {"a.ini", "b.ini"}},
        {"comparison is case-sensitive", {"a.ini", "A.ini"}, {"A.ini", "a.ini"}},
        {"the empty entry", {"a.ini", "", ""}, {"", "a.ini"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SettingsModel s;
        for (const char* p : c.added) s.AddRecentSettingsFile(p);
        EXPECT_EQ(s.recentFiles.Entries(), c.entries);
        EXPECT_EQ(s.recentFiles.Selected(), 0);
    }
}

TEST(SettingsModel, ResetOptionsKeepsOnlyTheExitOptions) {
    SettingsModel s;
    s.fields[ConstantField::PlotnVoda] = "1000";
    s.constants.Set(ConstantsArray::RoVoda, 1000);
    s.grid.SetUserConstants({{"a", "1"}, {"b", "2"}});
    s.grid.SetFileNameCell("x.ini");
    s.grid.SetCurrentRow(5);
    s.angleUnit = AngleUnit::Degrees;
    s.SetTrackBarPosition(100);
    s.autoLoad = true;
    s.autoLoadPath = "/x.ini";
    s.escExit = true;
    s.askExit = true;
    s.AddRecentSettingsFile("/x.ini");
    s.ResetOptions();
    const SettingsModel fresh;
    EXPECT_EQ(s.fields, fresh.fields);
    EXPECT_EQ(s.constants, fresh.constants);
    EXPECT_EQ(s.grid.RowCount(), 5);
    EXPECT_EQ(s.grid.FileNameCell(), "");
    EXPECT_EQ(s.grid.CurrentRow(), 4);
    EXPECT_EQ(s.angleUnit, AngleUnit::Radians);
    EXPECT_EQ(s.TrackBarPosition(), 10);
    EXPECT_EQ(s.PanelNVirCaption(), "Количество запоминаемых выражений = 10");
    EXPECT_FALSE(s.autoLoad);
    EXPECT_EQ(s.autoLoadPath, "");
    EXPECT_TRUE(s.escExit);
    EXPECT_TRUE(s.askExit);
    EXPECT_EQ(s.recentFiles.Entries(), (std::vector<std::string>{"", "/x.ini"}));
    EXPECT_EQ(s.recentFiles.Text(), "");
}

TEST(SettingsModel, TrackBarAndEvaluatorContext) {
    const struct {
        int position;
        int shown;
    } cases[] = {{5, 10}, {10, 10}, {137, 137}, {255, 255}, {1000, 255}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.position);
        SettingsModel s;
        s.SetTrackBarPosition(c.position);
        EXPECT_EQ(s.TrackBarPosition(), c.shown);
    }
    SettingsModel s;
    s.grid.SetUserConstants({{"a", "2"}, {"", "3"}});
    s.angleUnit = AngleUnit::Grads;
    const EvalContext context = s.MakeEvalContext();
    ASSERT_EQ(context.userConstants.size(), 2u);
    EXPECT_EQ(context.userConstants[0].name, "a");
    EXPECT_EQ(context.userConstants[0].value, "2");
    EXPECT_EQ(context.angleUnit, AngleUnit::Grads);
}

TEST(SettingsCommands, EditsMarkTheConfigurationModified) {
    const struct {
        const char* name;
        void (*edit)(SettingsCommands&);
        bool modified;
    } cases[] = {
        {"field", [](SettingsCommands& s) { s.EditConstantField(ConstantField::PlotnVoda, "1"); }, true},
        {"auto-load path", [](SettingsCommands& s) { s.SetAutoLoadPath("x"); }, true},
        {"grid cell", [](SettingsCommands& s) { s.EditConstantCell(1, 4, "a"); }, true},
        {"track bar", [](SettingsCommands& s) { s.SetRememberedCount(20); }, true},
        {"group box click", [](SettingsCommands& s) { s.MarkModifiedByClick(); }, true},
        {"another angle unit", [](SettingsCommands& s) { s.SetAngleUnit(AngleUnit::Degrees); }, true},
        {"the same angle unit", [](SettingsCommands& s) { s.SetAngleUnit(AngleUnit::Radians); }, false},
        {"exit check boxes",
         [](SettingsCommands& s) {
             s.SetEscExit(true);
             s.SetAskExit(true);
         },
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Calculator calc;
        ScriptedPlatform platform;
        SettingsCommands commands(calc, platform);
        c.edit(commands);
        EXPECT_EQ(calc.main.settingsFile.modified, c.modified);
    }
}

TEST(SettingsCommands, ClosingValidatesRepairsOrStays) {
    const struct {
        const char* name;
        const char* density;
        std::vector<UserConstant> grid;
        MessageResult answer;
        bool close;
        const char* densityAfter;
        std::size_t messages;
    } cases[] = {
        {"valid closes", "1e3", {}, MessageResult::No, true, "1e3", 0},
        {"bad field, No", "97,0", {}, MessageResult::No, false, "97,0", 1},
        {"bad field, Yes repairs", "97,0", {}, MessageResult::Yes, false, "970", 1},
        {"bad grid, Yes cannot repair", "970", {{"pi", "1"}}, MessageResult::Yes, false, "970", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Calculator calc;
        ScriptedPlatform platform;
        platform.QueueMessageResult(c.answer);
        calc.settings.fields[ConstantField::PlotnVoda] = c.density;
        calc.settings.grid.SetUserConstants(c.grid);
        SettingsCommands commands(calc, platform);
        const OptionsCloseOutcome out = commands.ApplyAndClose();
        EXPECT_EQ(out.close, c.close);
        EXPECT_EQ(calc.settings.fields[ConstantField::PlotnVoda], c.densityAfter);
        EXPECT_EQ(platform.messages().size(), c.messages);
        if (c.close) {
            EXPECT_EQ(calc.settings.constants.Get(ConstantsArray::RoVoda), 1000.0f);
        }
    }
    // After the repair a second "Закрыть" closes and takes the repaired value.
    Calculator calc;
    ScriptedPlatform platform;
    platform.QueueMessageResult(MessageResult::Yes);
    calc.settings.fields[ConstantField::PlotnVoda] = "abc";
    calc.settings.constants.Set(ConstantsArray::RoVoda, 5);
    SettingsCommands commands(calc, platform);
    EXPECT_FALSE(commands.ApplyAndClose().close);
    EXPECT_TRUE(commands.ApplyAndClose().close);
    EXPECT_EQ(calc.settings.constants.Get(ConstantsArray::RoVoda), 970.0f);
}

TEST(SettingsCommands, CloseQueryShowsTheErrorKind) {
    const struct {
        const char* name;
        const char* density;
        std::vector<UserConstant> grid;
        bool close;
        std::uint8_t badField;
    } cases[] = {
        {"valid", "970", {}, true, 0},
        {"bad field", "x", {}, false, 1},
        {"bad grid", "970", {{"g", "1"}}, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Calculator calc;
        ScriptedPlatform platform;
        calc.settings.fields[ConstantField::PlotnVoda] = c.density;
        calc.settings.grid.SetUserConstants(c.grid);
        calc.settings.constants.Set(ConstantsArray::RoVoda, 5);
        const OptionsCloseOutcome out = SettingsCommands(calc, platform).ValidateForClose();
        EXPECT_EQ(out.close, c.close);
        EXPECT_EQ(calc.settings.constants.Get(ConstantsArray::RoVoda), 5.0f);  // the array is not touched
        if (!c.close) {
            EXPECT_EQ(out.badField, c.badField);
            ASSERT_EQ(platform.messages().size(), 1u);
            EXPECT_EQ(platform.messages()[0].text, ConstantsErrorText(c.badField == 0 ? 2 : 1));
        }
    }
}

TEST(SettingsCommands, AutoLoadFile) {
    TempFolder dir;
    WriteBytes(dir.File("a.ini"), "[Program]\r\nName=ZUL\r\n");
    const struct {
        const char* name;
        std::optional<std::string> chosen;
        std::string path;
        std::vector<std::string> messages;
    } cases[] = {
        {"cancelled", std::nullopt, "", {}},
        {"existing file", dir.File("a.ini"), dir.File("a.ini"), {}},
        {"wrong extension", dir.File("a.txt"), "", {}},
        {"missing file", dir.File("b.ini"), "", {"Файл не существует:  " + dir.File("b.ini")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Calculator calc;
        ScriptedPlatform platform;
        platform.QueueFile(c.chosen);
        SettingsCommands(calc, platform).SetAutoLoad(true);
        EXPECT_TRUE(calc.settings.autoLoad);
        EXPECT_EQ(calc.settings.autoLoadPath, c.path);
        EXPECT_EQ(platform.MessageTexts(), c.messages);
        ASSERT_EQ(platform.fileDialogs().size(), 1u);
        EXPECT_EQ(platform.fileDialogs()[0].request.title, "Файл с настройками калькулятора");
        // Closing with an empty path unchecks auto-load.
        SettingsCommands(calc, platform).ApplyAndClose();
        EXPECT_EQ(calc.settings.autoLoad, !c.path.empty());
    }
}

}  // namespace
}  // namespace zul
