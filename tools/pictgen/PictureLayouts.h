// What each picture shows beyond the core's data: the symbols of every calculation's
// arguments and result, the drawing beside the formula, and the drawing of each topic.
#pragma once

#include <array>
#include <string_view>

#include "Drawings.h"

namespace zul::pictgen {

struct CalcLayout {
    int code;
    const char* result;               // display name of the result ("v", "ρ_в", "ΔP")
    std::array<const char*, 6> args;  // display names of X1..X6 of the template
    Drawing drawing = Drawing::None;
    // Labels of the drawing, "|"-separated; "$1".."$6" stand for argument symbols, "$r" for
    // the result.
    const char* labels = "";
    // Formula lines for calculations without a template, or whose template needs a helper
    // quantity: "lhs=expr" or "lhs=expr|note", ";"-separated. Empty: the core's template.
    const char* formula = "";
    // Replaces the name of the result taken from the dialog title ("name, unit").
    const char* resultName = "";
};

// nullptr for a code without a entry.
const CalcLayout* FindCalcLayout(int code);

// For pictures shared by several calculations: header and legend written for all of them.
struct SharedPictureLayout {
    const char* picture;
    const char* header;
    const char* legend;  // "symbols — text" lines, ";"-separated; empty: built from the data
};
const SharedPictureLayout* FindSharedPictureLayout(std::string_view picture);

// The drawing of a topic or group picture.
Drawing TopicDrawing(std::string_view picture);

// Display name and legend text of a settings value that a template reads ("{Ro-Voda}").
struct SettingSymbol {
    const char* id;
    const char* symbol;
    const char* text;
};
const SettingSymbol* FindSettingSymbol(std::string_view id);

// Display names of the extra identifiers used in hand-written formula lines ("alpha" -> "α").
std::string_view ExtraSymbol(std::string_view id);

}  // namespace zul::pictgen
