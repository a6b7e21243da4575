// Setting one constant field from a "KEY=TEXT" assignment (the command line's --const),
// validated and applied as the settings window's "Закрыть" button does.
#pragma once

#include <string>
#include <string_view>

#include "settings/ConstantFields.h"

namespace zul {

// KEY is the INI key of a field: Ro-Voda, Cm-Voda, Cm-Vozd, Cv-Vozd, RoMatTrub or
// HaraktShumomer; TEXT is taken as typed. On success the field holds TEXT and all thirteen
// constants are read from the fields. On failure nothing changes and error holds the text
// to show (the window's error text for a bad value).
bool ApplyConstantOption(std::string_view assignment, ConstantFieldTexts& fields,
                         ConstantsArray& constants, std::string& error);

}  // namespace zul
