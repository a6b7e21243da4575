// The fixed data of the unit reference window TFormEdIzm: the conversion lines of its five
// pages and the table of 28 physical constants.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zul {

// One page of conversion lines. The lines after the gap stand below an empty space; the
// right column stands beside the last lines of the left one (page "Теплота" only).
struct ConversionPage {
    std::string_view title;
    std::vector<std::string_view> lines;
    std::vector<std::string_view> linesAfterGap;
    std::vector<std::string_view> rightColumn;
    bool editable = false;  // the lines of "Сила" can be typed over (the change is not kept)
};

// "Сила", "Давление", "Энергия, работа", "Мощность", "Теплота".
std::span<const ConversionPage> ConversionPages();

inline constexpr std::string_view kUnitReferenceCaption = "Справочник";
inline constexpr std::string_view kConstantsPageTitle = "Константы";
inline constexpr int kReferencePageCount = 6;

inline constexpr std::array<std::string_view, 4> kConstantsHeaders = {"№п.п.", "Наименование", "Значение", "Размерность"};
inline constexpr std::array<int, 4> kConstantsColumnWidths = {26, 248, 130, 90};
inline constexpr int kConstantsRowCount = 29;   // with the header row

// The cells of the constants grid as the fill writes them: row 0 the headers, column 0
// "1." to "28.", columns 1 to 3 name, value and unit. Every edit of a value cell refills it.
std::vector<std::array<std::string, 4>> FillConstantsTable();

// Position of the window kept by the main window for the run (not stored in any file).
struct ReferencePosition {
    int page = 7;    // 1..6; 7 before the first closing
    int row = 1;
    int column = 1;
};

// The page the window opens on: the control starts on page 6 and steps forward the
// remembered number of times when it is below 6, wrapping from 6 to 1.
int ReferenceStartPage(int rememberedPage);

// Only a value cell (column 2) can be opened for editing, to select and copy its text.
bool ConstantsCellEditable(int column);

}  // namespace zul
