// Writing and reading settings files.
#include "app/SettingsFile.h"

#include <algorithm>

#include "app/Calculator.h"
#include "app/JournalSection.h"
#include "eval/Text.h"
#include "platform/FilePaths.h"
#include "platform/Platform.h"
#include "platform/Question.h"
#include "settings/IniCellText.h"
#include "settings/IniFile.h"
#include "settings/IniInteger.h"
#include "settings/SettingsKeys.h"

namespace zul {
namespace {

// The sections a settings file owns, erased before each write.
constexpr std::string_view kOwnedSections[] = {"Program", "General", "Const", "UserConstants", "UserStrings"};


std::string Key(std::string_view prefix, int k) { return std::string(prefix) + IniIntegerText(k); }

// A count read from the file, never beyond what the key may hold.
int ReadClampedKey(const IniDocument& doc, const SettingsKey& key) {
    return std::clamp(ReadIntegerKey(doc, key), key.min, key.max);
}

// How many strings the file receives: the history's length, limited by the track bar and
// by the memory rows there are (missing rows are not written as empty lines).
int StoredStringCount(const Calculator& c) {
    return std::min({c.main.history.Count(), c.settings.TrackBarPosition(), c.memory.RowCount()});
}

void ReadTopic(Calculator& c, Platform& platform, const IniDocument& doc, SettingsReadOutcome& out) {
    const int stored = ReadIntegerKey(doc, keys::kCurrentType);
    const std::optional<TopicSelection> selection = SelectTopicNode(stored);
    if (!selection) {
        // The stored node does not exist: nothing selected, plain expressions; the rest
        // of the file is still read.
        platform.ShowError("Invalid index");
        c.main.topic = TopicState{};
        out.clearTreeSelection = true;
        out.showStartPicture = true;
        return;
    }
    c.main.topic = selection->state;
    if (selection->setsSettingsModified) c.main.settingsFile.modified = true;
    out.selection = selection;
    out.showStartPicture = stored == 0;
}

void ReadGeneral(Calculator& c, Platform& platform, const IniDocument& doc) {
    // A text that names no angle unit leaves the unit as it was.
    const std::optional<AngleUnit> unit = AngleUnitOf(ReadKey(doc, keys::kRadian));
    if (unit) c.settings.angleUnit = *unit;

    const std::string maxCount = ReadKey(doc, keys::kMaxCountStrings);
    int position = DefaultInteger(keys::kMaxCountStrings);
    if (!ReadIniInteger(maxCount, position)) {
        // Shown, then the default: a half-read configuration would be worse.
        platform.ShowError("'" + maxCount + "' is not a valid integer value");
        position = DefaultInteger(keys::kMaxCountStrings);
    }
    c.settings.SetTrackBarPosition(position);  // clamped to the key's range

    const SettingsKey& insert = keys::kMemoryInsertType;
    int insertType = ReadIntegerKey(doc, insert);
    if (insertType < insert.min || insertType > insert.max) insertType = DefaultInteger(insert);
    c.memory.SetInsertMode(static_cast<MemoryInsertMode>(insertType - 1));
    c.memory.SetColumnWidthsText(ReadKey(doc, keys::kColWidths));
}

void ReadConstants(Calculator& c, const IniDocument& doc) {
    for (const ConstantFieldInfo& info : ConstantFieldTable()) {
        c.settings.fields[info.field] = doc.Read("Const", info.iniKey, info.defaultText);
    }
    ApplyConstantFields(c.settings.fields, c.settings.constants);

    const int count = ReadClampedKey(doc, keys::kCountConstants);
    const int current = ReadIntegerKey(doc, keys::kCurrentConstant);
    std::vector<UserConstant> constants;
    constants.reserve(static_cast<std::size_t>(count));
    for (int k = 1; k <= count; ++k) {
        const std::string text = Trim(doc.Read("UserConstants", Key("con-", k), "/"));
        UserConstant uc;
        if (!text.empty() && text != "/") {
            const std::size_t slash = text.find('/');
            if (slash == std::string::npos) {
                uc.value = text;
            } else {
                uc.name = DecodeConstantName(text.substr(0, slash));
                uc.value = text.substr(slash + 1);
            }
        }
        constants.push_back(std::move(uc));
    }
    c.settings.grid.SetUserConstants(constants);
    // Clamped to the grid's user rows and blank row.
    const SettingsKey& row = keys::kCurrentConstant;
    c.settings.grid.SetCurrentRow(std::clamp(current, row.min, row.max) + 3);
}

void ReadStrings(Calculator& c, const IniDocument& doc, int historyAnswer) {
    const int count = ReadClampedKey(doc, keys::kCountStrings);
    if (historyAnswer == kAnswerReplace) {
        c.main.history.Clear();
        c.memory.Clear();
    }
    if (historyAnswer == kAnswerKeep) return;
    // A missing key is an empty line, which adds nothing: only the keys present are read.
    for (const auto& [k, value] : NumberedValues(doc, "UserStrings", "str-", count)) {
        const std::string line = Trim(value);
        // The stored cells split as the decoded ones would, but may hold escapes.
        const MemoryRow stored = SplitMemoryLine(line);
        const MemoryRow row{DecodeCell(stored.expression), DecodeCell(stored.result), DecodeCell(stored.note)};
        // The history item is the row's expression; an empty one is no expression.
        if (!Trim(row.expression).empty()) c.main.history.Append(row.expression);
        if (!c.memory.AddOrUpdateLine(0, line)) continue;
        const int r = c.memory.RowCount();
        if (row.expression != stored.expression) c.memory.SetCell(r, 1, row.expression);
        if (row.result != stored.result) c.memory.SetCell(r, 2, row.result);
        if (row.note != stored.note) c.memory.SetCell(r, 3, row.note);
    }
}

}  // namespace

std::string NotSettingsFileText(const std::string& path) {
    return "Этот файл не является файлом настроек для программы ЗУЛ:  " + FileNameOf(path);
}

std::size_t StoreSettings(const Calculator& c, IniDocument& doc) {
    for (std::string_view section : kOwnedSections) doc.EraseSection(section);
    WriteZulHeader(doc);
    WriteKey(doc, keys::kCurrentType, IniIntegerText(c.main.topic.selectedNodeIndex));
    WriteKey(doc, keys::kRadian, AngleUnitText(c.settings.angleUnit));
    WriteKey(doc, keys::kMaxCountStrings, IniIntegerText(c.settings.TrackBarPosition()));
    WriteKey(doc, keys::kMemoryInsertType, IniIntegerText(static_cast<int>(c.memory.InsertMode()) + 1));
    WriteKey(doc, keys::kColWidths, c.memory.ColumnWidthsText());
    for (const ConstantFieldInfo& info : ConstantFieldTable()) {
        doc.Write("Const", info.iniKey, c.settings.fields[info.field]);
    }
    const UserConstantsGrid& grid = c.settings.grid;
    WriteKey(doc, keys::kCountConstants, IniIntegerText(grid.UserCount()));
    WriteKey(doc, keys::kCurrentConstant, IniIntegerText(grid.CurrentRow() - 3));
    const std::vector<UserConstant> constants = grid.UserConstants();
    for (std::size_t i = 0; i < constants.size(); ++i) {
        doc.Write("UserConstants", Key("con-", static_cast<int>(i) + 1),
                  EncodeConstantName(constants[i].name) + "/" + constants[i].value);
    }
    const int count = StoredStringCount(c);
    WriteKey(doc, keys::kCountStrings, IniIntegerText(count));
    const std::string separator(kCellSeparator);
    for (int k = 1; k <= count; ++k) {
        const MemoryRow& row = c.memory.Row(k);
        doc.Write("UserStrings", Key("str-", k),
                  EncodeCell(Trim(row.expression)) + separator + EncodeCell(Trim(row.result)) +
                      separator + EncodeCell(Trim(row.note)));
    }
    // The journal is the file's too; an empty one leaves no section behind.
    const Journal& journal = c.report.journal;
    if (journal.Empty()) {
        doc.EraseSection(kJournalSection);
        return 0;
    }
    return journal.Size() - WriteJournalSection(doc, journal);
}

std::string JournalCutText(std::size_t written, std::size_t entries) {
    return "Журнал расчётной записки слишком велик для файла настроек; сохранены последние записи: " +
           std::to_string(written) + " из " + std::to_string(entries) + ".";
}

std::string UnreadJournalText(int count) {
    return "Записей журнала расчётной записки, которые не удалось прочитать из файла настроек: " +
           IniIntegerText(count);
}

std::string TooManyUserConstantsText() {
    return "пользовательских констант больше " + IniIntegerText(kMaxUserConstants) +
           ": столько программа не прочитает из файла";
}

bool WriteSettingsFile(Calculator& c, Platform& platform) {
    const std::string& path = c.main.settingsFile.currentFile;
    if (path.empty()) return true;
    IniDocument doc;
    const IniLoadResult loaded = doc.Load(path);
    IniSaveResult saved;
    std::size_t journalLeftOut = 0;
    if (c.settings.grid.UserCount() > kMaxUserConstants) {
        saved = {false, TooManyUserConstantsText()};  // a file that would read back with fewer
    } else if (!loaded.ok() && loaded.status != IniLoadStatus::Missing) {
        saved = {false, loaded.error};  // writing would lose what the file holds besides
    } else {
        journalLeftOut = StoreSettings(c, doc);
        saved = doc.Save(path);
    }
    if (!saved.ok) {
        platform.ShowError("Не удалось сохранить настройки в файле:\n" + path + "\n" + saved.error);
        return false;
    }
    c.main.settingsFile.modified = false;
    if (journalLeftOut > 0) {
        const std::size_t entries = c.report.journal.Size();
        platform.ShowMessage(MessageKind::Warning, JournalCutText(entries - journalLeftOut, entries),
                             MessageButtons::Ok);
    }
    return true;
}

SettingsReadOutcome ReadSettingsFile(Calculator& c, Platform& platform, int historyAnswer) {
    SettingsReadOutcome out;
    const std::string path = c.main.settingsFile.currentFile;
    if (path.empty()) return out;
    IniDocument doc;
    const IniLoadResult loaded = doc.Load(path);
    if (!loaded.ok() && loaded.status != IniLoadStatus::Missing) {
        platform.ShowError("Не удалось прочитать файл настроек:  " + FileNameOf(path) + "\n" + loaded.error);
        c.main.settingsFile.currentFile.clear();
        return out;
    }
    if (!PassesZulHeader(doc)) {
        platform.ShowError(NotSettingsFileText(path));
        c.main.settingsFile.currentFile.clear();
        return out;
    }
    return ReadSettingsDocument(c, platform, doc, historyAnswer);
}

SettingsReadOutcome ReadSettingsDocument(Calculator& c, Platform& platform, const IniDocument& doc,
                                         int historyAnswer) {
    SettingsReadOutcome out;
    out.read = true;
    ReadTopic(c, platform, doc, out);
    ReadGeneral(c, platform, doc);
    ReadConstants(c, doc);
    ReadStrings(c, doc, historyAnswer);
    if (const int lost = ReadSessionJournal(c.report, doc, historyAnswer); lost > 0)
        platform.ShowMessage(MessageKind::Warning, UnreadJournalText(lost), MessageButtons::Ok);
    if (c.main.activated) {
        out.focus = FocusTarget::InputLine;
    } else if (c.main.topic.selectedNodeIndex > 0) {
        out.focus = FocusTarget::Tree;
    }
    return out;
}

int CountStoredStrings(const std::string& path) {
    IniDocument doc;
    if (!doc.Load(path).ok() || !PassesZulHeader(doc)) return 0;
    return ReadIntegerKey(doc, keys::kCountStrings);
}

}  // namespace zul
