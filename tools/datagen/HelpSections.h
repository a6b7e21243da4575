// The sections of the help page: the guide written here, the calculations and the
// command-line calculator written from the core's data.
#pragma once

#include <string>
#include <vector>

#include "HtmlText.h"

namespace zul::datagen {

Section AboutSection();
Section InputSection();
Section SyntaxSection();          // numbers, operators, functions, constants, angle units
Section CalculationsSection();    // every topic and calculation of the tree
Section TimeSumSection();
Section InsertSection();          // the insert-formula dialog and the literature command
Section MemorySection();
Section ListsSection();
Section ZapiskaSection();         // the calculation note of a session
Section SettingsSection();        // settings window, settings files, Zul.ini
Section KeysSection();
Section FilesSection();           // where the shipped files are found
Section ZulcSection(const std::string& usage);  // `zulc --help` as the program prints it

}  // namespace zul::datagen
