// The keys of the settings file and of the program INI, each declared once: its section,
// its name, its default text and, for an integer, the values it may take. The readers, the
// writers and the reset of the settings all take them from here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "eval/EvalContext.h"

namespace zul {

class IniDocument;

// Counts read from a file are never trusted beyond these; a configuration with more user
// constants is not saved (the memory lines stored are at most 255).
inline constexpr int kMaxStoredStrings = 100000;
inline constexpr int kMaxUserConstants = 10000;

struct SettingsKey {
    std::string_view section;
    std::string_view name;
    std::string_view defaultText;
    int min = 0;  // the values an integer key may take (unused for a text key)
    int max = 0;
};

namespace keys {

// Section General of a settings file; Radian also of the program INI.
// CurrentType: a node index; the tree decides which exist (SelectTopicNode).
inline constexpr SettingsKey kCurrentType{"General", "CurrentType", "0"};
inline constexpr SettingsKey kRadian{"General", "Radian", "0", 0, 2};     // AngleUnitText
inline constexpr SettingsKey kMaxCountStrings{"General", "MaxCountStrings", "10", 10, 255};
inline constexpr SettingsKey kMemoryInsertType{"General", "MemoryInsertType", "1", 1, 3};
inline constexpr SettingsKey kColWidths{"General", "ColWidths", ""};
// Sections UserConstants and UserStrings of a settings file (section Const: ConstantFields).
inline constexpr SettingsKey kCountConstants{"UserConstants", "CountConstants", "0", 0, kMaxUserConstants};
inline constexpr SettingsKey kCurrentConstant{"UserConstants", "CurrentConstant", "1", 0, kMaxUserConstants};
inline constexpr SettingsKey kCountStrings{"UserStrings", "CountStrings", "0", 0, kMaxStoredStrings};
// The program INI.
inline constexpr SettingsKey kAutoLoad{"AutoLoad", "True", "0", 0, 1};
inline constexpr SettingsKey kAutoLoadFile{"AutoLoad", "FileName", ""};
inline constexpr SettingsKey kEscExit{"General", "EscExit", "0", 0, 1};  // read: any integer but 0 is on
inline constexpr SettingsKey kAskExit{"General", "AskExit", "0", 0, 1};
// The heading of the calculation note, section Report of the program INI.
inline constexpr SettingsKey kReportObject{"Report", "Object", ""};
inline constexpr SettingsKey kReportSection{"Report", "Section", ""};
inline constexpr SettingsKey kReportAuthor{"Report", "Author", ""};
inline constexpr SettingsKey kReportDate{"Report", "Date", ""};

}  // namespace keys

// The key's text in the document, or its default text when the document lacks it.
std::string ReadKey(const IniDocument& document, const SettingsKey& key);
void WriteKey(IniDocument& document, const SettingsKey& key, std::string_view value);
// The default text as an integer (0 for a text key).
int DefaultInteger(const SettingsKey& key);
// The key read as an integer; its default when the text is not an integer. Not clamped.
int ReadIntegerKey(const IniDocument& document, const SettingsKey& key);

// "0", "1", "2" for radians, degrees, grads, as both kinds of file store the angle unit.
const char* AngleUnitText(AngleUnit unit);
// The angle unit of exactly "0", "1" or "2"; nothing for any other text.
std::optional<AngleUnit> AngleUnitOf(std::string_view text);
// The angle unit of the default text of Radian.
AngleUnit DefaultAngleUnit();

}  // namespace zul
