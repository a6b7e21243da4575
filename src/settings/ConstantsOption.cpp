// The command-line form of editing a constant field and closing the settings window.
#include "settings/ConstantsOption.h"

namespace zul {

namespace {

std::string KeyListText() {
    std::string keys;
    for (const ConstantFieldInfo& info : ConstantFieldTable()) {
        if (!keys.empty()) keys += ", ";
        keys += info.iniKey;
    }
    return keys;
}

}  // namespace

bool ApplyConstantOption(std::string_view assignment, ConstantFieldTexts& fields,
                         ConstantsArray& constants, std::string& error) {
    const std::size_t eq = assignment.find('=');
    if (eq == std::string_view::npos) {
        error = "Ожидается КЛЮЧ=ЗНАЧЕНИЕ, где КЛЮЧ: " + KeyListText() + ".";
        return false;
    }
    const std::string_view key = assignment.substr(0, eq);
    const ConstantFieldInfo* info = FieldByIniKey(key);
    if (info == nullptr) {
        error = "Неизвестная константа: \"" + std::string(key) + "\". Допустимы: " + KeyListText() + ".";
        return false;
    }
    ConstantFieldTexts edited = fields;
    edited[info->field] = std::string(assignment.substr(eq + 1));
    std::uint8_t badField = 0;
    if (!ValidateOptions(edited, badField)) {
        error = ConstantsErrorText(ConstantsErrorKind(badField));
        return false;
    }
    fields = edited;
    constants = ReadConstantRecord(fields);
    return true;
}

}  // namespace zul
