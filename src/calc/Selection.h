// What selecting a node of the topic tree does, and the bracket template command.
// The tree widget forwards its events here and shows what comes back.
#pragma once

#include "calc/TimeSumCode.h"

#include <optional>
#include <string>
#include <string_view>

namespace zul {

// The state the main window keeps for the topic tree.
struct TopicState {
    int calculationCode = 0;    // 0 = plain expressions
    int selectedNodeIndex = 0;  // absolute index, stored as CurrentType in settings files
    bool timeSumMode = false;   // on exactly while code 50301 is selected
};

// Everything a selection sets. The state at window creation is TopicSelection{} with the
// start picture and all four commands disabled.
struct TopicSelection {
    TopicState state;
    std::string hint;                   // caption of PanelPodsk
    int pictureIndex = 1;               // index into the picture table, for ShowPicture
    bool insertFormulaEnabled = false;  // NVstFunc and SpButtonIncFunc
    bool literatureEnabled = false;     // NVstLiter and SpButtonliterature
    bool setsSettingsModified = false;  // every selection sets the settings-modified flag
};


// Applies the selection of the node with that absolute index (TViewTipChange).
// An index outside the tree selects nothing: std::nullopt, and the caller keeps its state.
std::optional<TopicSelection> SelectTopicNode(int nodeIndex);

// The bracket template of a calculation code: n pairs "[]" joined by single blanks, or the
// time template for 50301; empty for a group code, 0 or an unknown code.
std::string BracketTemplate(int code);

// What the bracket template command (TViewTipDblClick) does to the main window.
struct BracketTemplateEffect {
    bool setInput = false;          // replace the input line with inputText
    std::string inputText;          // the template, or "" when the line already held it
    bool focusInput = false;
    bool paintHintYellow = false;   // PanelPodsk turns yellow for every code above 0
};

// The command toggles the input line between the template and an empty line.
BracketTemplateEffect BracketTemplateCommand(int calculationCode, std::string_view inputText);

}  // namespace zul
