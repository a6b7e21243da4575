// Reading and writing one key of the table.
#include "settings/SettingsKeys.h"

#include "settings/IniDocument.h"
#include "settings/IniInteger.h"

namespace zul {

std::string ReadKey(const IniDocument& document, const SettingsKey& key) {
    return document.Read(key.section, key.name, key.defaultText);
}

void WriteKey(IniDocument& document, const SettingsKey& key, std::string_view value) {
    document.Write(key.section, key.name, value);
}

int DefaultInteger(const SettingsKey& key) { return IniIntegerOr(key.defaultText, 0); }

int ReadIntegerKey(const IniDocument& document, const SettingsKey& key) {
    return IniIntegerOr(ReadKey(document, key), DefaultInteger(key));
}

const char* AngleUnitText(AngleUnit unit) {
    switch (unit) {
        case AngleUnit::Degrees:
            return "1";
        case AngleUnit::Grads:
            return "2";
        case AngleUnit::Radians:
            break;
    }
    return "0";
}

std::optional<AngleUnit> AngleUnitOf(std::string_view text) {
    if (text == "0") return AngleUnit::Radians;
    if (text == "1") return AngleUnit::Degrees;
    if (text == "2") return AngleUnit::Grads;
    return std::nullopt;
}

AngleUnit DefaultAngleUnit() { return AngleUnitOf(keys::kRadian.defaultText).value_or(AngleUnit::Radians); }

}  // namespace zul
