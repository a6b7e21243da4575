// The fixed texts of the function list window TFormFunc and the about box TFormAbout, and
// the two small timer rules of these windows.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace zul {

inline constexpr std::string_view kFunctionListCaption = "Перечень всех доступных функций";
inline constexpr std::string_view kFunctionCopyInstruction =
    "Выделите любую функцию и скопируйте в память (Ctrl+Inc).";
inline constexpr std::string_view kFunctionPasteInstruction =
    "Затем вставьте из памяти в любое место выражения (Shift+Inc).";
inline constexpr std::string_view kFunctionMemoHint =
    "Выделите нужный текст и нажмите правую кнопку \"мышки\"";
inline constexpr int kFunctionHighlightIntervalMs = 5000;

// The twenty lines of MemoFunc, one per function or operator of the evaluator.
std::span<const std::string_view> FunctionListLines();

// Which instruction line is highlighted: true for the copy line (PanelUp). Every tick of
// the timer moves the highlight to the other line.
struct FunctionListHighlight {
    bool flag = true;          // set at activation
    bool copyLineHighlighted = true;
    void Tick() {
        copyLineHighlighted = !flag;
        flag = !flag;
    }
};

// One labelled row of the about box.
struct AboutRow {
    std::string_view label;
    std::string_view text;
};

inline constexpr std::string_view kAboutCaption = "О Программе";
inline constexpr std::string_view kAboutPurposeHint = "Чертежники - отдыхают...";
// The texts that name the program's version: "1.4.3.  (17.10.1999)" in the about box,
// "Zul.exe (ver. 1.4.3)" in the lists window's menu and "Zul.exe (ver. 1.4.3),   [101 расчет]"
// in the main window's.
std::string AboutVersionText();
std::string VersionItemText();
std::string VersionMenuCaption();
inline constexpr int kAboutStripIntervalMs = 500;

// "Имя:", "Версия:", "Назначение:", the developer, rights-holder and e-mail rows.
std::span<const AboutRow> AboutRows();
// The five lines of the notes memo under "Примечания:".
std::span<const std::string_view> AboutNoteLines();

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};

// The colours of the strip, steps 1 to 8: blue, lime, red, teal, black, yellow, aqua, maroon.
inline constexpr std::array<Rgb, 8> kAboutStripColours = {{
    {0, 0, 255}, {0, 255, 0}, {255, 0, 0}, {0, 128, 128}, {0, 0, 0}, {255, 255, 0}, {0, 255, 255}, {128, 0, 0},
}};

// The colour step of the about box: each tick paints the strip with the current step and
// advances it, 8 being followed by 1. The strip is lime until the first tick.
struct AboutStripCycle {
    int step = 1;
    Rgb Tick() {
        const Rgb colour = kAboutStripColours[static_cast<std::size_t>(step - 1)];
        step = step == 8 ? 1 : step + 1;
        return colour;
    }
};

}  // namespace zul
