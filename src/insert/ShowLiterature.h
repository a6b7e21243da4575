// The literature command (SpButtonliteratureClick) as the windows run it: the literature of
// the calculation in the platform's message boxes. The main window's toolbar button, menu
// item and popup item and the free area of the insert-formula dialog all call it.
#pragma once

#include <string>

namespace zul {

class Platform;

// Reads "Zul.lit" in the start directory for the calculation code and shows what it gives:
// nothing, the error box of a file that is not a literature file, or the references.
void ShowLiterature(Platform& platform, const std::string& startDirectory, int code);

// The literature text keeps the file's carriage returns; a message box breaks lines at "\n".
std::string LiteratureDisplayText(const std::string& text);

}  // namespace zul
