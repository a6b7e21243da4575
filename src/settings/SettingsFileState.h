// The settings file in use and whether the configuration changed since it was last saved.
#pragma once

#include <string>

namespace zul {

struct SettingsFileState {
    std::string currentFile;  // full path; empty when no settings file is in use
    bool modified = false;

    bool InUse() const { return !currentFile.empty(); }
    // The memory and the history count as configuration only while a file is in use.
    void MarkModifiedIfInUse() {
        if (InUse()) modified = true;
    }
};

}  // namespace zul
