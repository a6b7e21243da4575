// Where the calculator finds the files it ships with: the pictures, the literature file and
// the help. The start directory comes first; then an installed program's <prefix>/share/zul
// beside its bin folder, or the share/zul folder beside a program that is not installed
// (started from its build folder, or unpacked with its data).
#pragma once

#include <string>

namespace zul {

enum class ShippedData {
    Pictures,    // the folder "Pict" with one <name>.jpg per picture
    Literature,  // "Zul.lit"
    Help,        // "Zul.htm" or "Zul.html"
};

// The data folder that belongs to the program: "<prefix>/share/zul" when the program lies
// in a folder named "bin" (installed into <prefix>), else "share/zul" inside the program's
// own folder. Symbolic links are resolved first (a /usr/local/bin/zul that links into
// /opt/zul/bin counts from /opt/zul/bin). Empty when the program path is empty.
std::string InstalledDataFolder(const std::string& programPath);

// True when the folder holds the item: a directory "Pict", a file "Zul.lit", or a file
// "Zul.htm" or "Zul.html".
bool FolderHasData(const std::string& folder, ShippedData item);

// The folder to look in for the item: the start directory when it holds the item, else the
// installed data folder when that holds it, else the start directory (whose absence of the
// file then gives the usual "nothing found" behaviour).
std::string DataFolder(ShippedData item, const std::string& startDirectory, const std::string& programPath);

// The three folders at once, for the main window to keep from its creation on.
struct DataFolders {
    std::string pictures;
    std::string literature;
    std::string help;
};
DataFolders FindDataFolders(const std::string& startDirectory, const std::string& programPath);

}  // namespace zul
