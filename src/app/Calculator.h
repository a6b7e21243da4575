// All state of the calculator that lives as long as the program: the main window's state,
// the settings, the memory and the question dialog. The windows show it; the commands of
// the core change it.
#pragma once

#include <array>
#include <string>

#include "app/InputHistory.h"
#include "app/RecentCalculations.h"
#include "app/SessionReport.h"
#include "calc/Selection.h"
#include "memory/MemoryTable.h"
#include "platform/Question.h"
#include "settings/ProgramIni.h"
#include "settings/SettingsFileState.h"
#include "settings/SettingsModel.h"

namespace zul {

inline constexpr std::string_view kLiteratureFileName = "Zul.lit";

// Fields of TFormFace beyond its controls.
struct MainState {
    std::string startDirectory;  // the process's current directory at creation
    TopicState topic;            // calculation code, selected node, time-sum mode
    SettingsFileState settingsFile;
    ProgramIniValues programIni;  // as read at start; the settings window holds the truth after
    InputHistory history;
    RecentCalculations recent;

    bool calculationMarker = false;

    std::array<int, 3> unitReferencePosition{7, 1, 1};
    bool activationGuard = false;
    bool activated = false;
};

struct Calculator {
    MainState main;
    SettingsModel settings;
    MemoryTable memory;
    QuestionDialog question;
    SessionReport report;  // the calculation note: journal and heading
};

// FormCreate of the main window followed by FormCreate of the settings window: the start
// values, the program INI read from the start directory and copied into the settings (and
// the note's heading into the report).
Calculator CreateCalculator(const std::string& startDirectory);

}  // namespace zul
