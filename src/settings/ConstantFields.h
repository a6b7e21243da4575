// The six constant fields of the settings window as data: their texts as typed, the rules
// that validate, repair and convert them into the constants array, and the window's texts.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "calc/ConstantsArray.h"

namespace zul {

// The fields in the order of their bad-field codes 1..6 (also the INI key order).
enum class ConstantField : std::uint8_t {
    PlotnVoda = 1,   // EditPlotnVoda,  Ro-Voda,   constant 9
    TeplMVoda = 2,   // EditTeplMVoda,  Cm-Voda,   constant 11
    TeplMVozd = 3,   // EditTeplMVozd,  Cm-Vozd,   constant 12
    TeplVVozd = 4,   // EditTeplVVozd,  Cv-Vozd,   constant 13
    PlotnMatTr = 5,  // EditPlotnMatTr, RoMatTrub, constant 10
    HaraktShum = 6,  // EditHaraktShum, HaraktShumomer, constants 1..8
};
inline constexpr int kConstantFieldCount = 6;

// Bad-field code 0: the user-constants grid failed.
inline constexpr std::uint8_t kBadFieldGrid = 0;

struct ConstantFieldInfo {
    ConstantField field;
    const char* widget;       // objectName of the edit field
    const char* iniKey;       // key in section Const of a settings file
    int arrayIndex;           // slot in the constants array (the first of eight for the noise text)
    const char* defaultText;  // the text at start, after a reset and when repaired (kConstantDefaults)
    const char* description;  // caption of the description panel above the field
    const char* symbol;       // symbol panel on the left
    const char* unit;         // unit panel on the right
};

// The six fields in code order.
std::span<const ConstantFieldInfo> ConstantFieldTable();
const ConstantFieldInfo& FieldInfo(ConstantField field);
// The field stored under that INI key (exact, case-sensitive); nullptr when none.
const ConstantFieldInfo* FieldByIniKey(std::string_view key);

// The field texts exactly as typed; a fresh set holds the default texts.
class ConstantFieldTexts {
public:
    ConstantFieldTexts();
    std::string& operator[](ConstantField f) { return texts_[Slot(f)]; }
    const std::string& operator[](ConstantField f) const { return texts_[Slot(f)]; }
    bool operator==(const ConstantFieldTexts&) const = default;

private:
    static std::size_t Slot(ConstantField f) { return static_cast<std::size_t>(f) - 1; }
    std::array<std::string, kConstantFieldCount> texts_;
};

// Steps 2-5 of the validation: tidy and check the user-constants grid. Supplied by the
// user-constants model; returns false when the grid fails (bad-field code 0).
using UserConstantsCheck = std::function<bool()>;

// The first field, in code order, that fails: the five physical constants must be numbers
// that fit a single value, the noise text must pass CheckNoiseText. Then code 0 and the
// grid check, when one is given. True when all is well; badField names the failure.
bool ValidateOptions(const ConstantFieldTexts& fields, std::uint8_t& badField,
                     const UserConstantsCheck& checkGrid = nullptr);

// The thirteen values the fields stand for; a field that does not convert gives its
// default, a noise item its fall-back. Used when "Закрыть" succeeds.
ConstantsArray ReadConstantRecord(const ConstantFieldTexts& fields);

// After a settings file was read: a physical field that does not convert gets its default
// text, a bad noise text is repaired, and all thirteen constants are set from the fields.
// Returns true when some field text was replaced.
bool ApplyConstantFields(ConstantFieldTexts& fields, ConstantsArray& constants);

// The "Yes" answer to the repair question: fields 1..5 get their default text, the noise
// text is repaired. Code 0 (the grid) cannot be repaired: false, show error kind 2.
bool RepairConstantField(ConstantFieldTexts& fields, std::uint8_t badField);

// Every field back to its default text and the array to its defaults (the settings reset).
void ResetConstantFields(ConstantFieldTexts& fields, ConstantsArray& constants);

// The question asked when "Закрыть" finds a bad field (question icon, Yes and No).
inline constexpr const char* kRepairQuestionText =
    "В некоторых строках ввода обнаружены ошибки. Исправить их автоматически?...";

// The text of ShowConstantsError (warning icon, OK): kind 1 a bad field, kind 2 the grid.
// Empty for any other kind.
std::string ConstantsErrorText(int kind);

// The kind of ShowConstantsError that a failed close query shows for a bad-field code.
inline int ConstantsErrorKind(std::uint8_t badField) { return badField == kBadFieldGrid ? 2 : 1; }

}  // namespace zul
