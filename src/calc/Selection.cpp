// Selection rules of the topic tree and the bracket template text.
#include "calc/Selection.h"

#include "calc/Catalogue.h"
#include "calc/Pictures.h"

namespace zul {

std::optional<TopicSelection> SelectTopicNode(int nodeIndex) {
    const CatalogueRow* node = NodeByIndex(nodeIndex);
    if (node == nullptr) return std::nullopt;
    const bool calculation = !IsGroupIndex(nodeIndex);

    TopicSelection s;
    s.setsSettingsModified = true;
    s.state.selectedNodeIndex = nodeIndex;
    s.state.calculationCode = node->code;
    s.state.timeSumMode = calculation && node->code == kTimeSumCode;
    s.hint = node->hint;
    // Literature is offered for every node; the formula dialog only for calculations.
    s.literatureEnabled = true;
    s.insertFormulaEnabled = calculation;
    const int picture = PictureIndex(node->picture);
    s.pictureIndex = picture > 0 ? picture : kStartPicture;
    return s;
}

std::string BracketTemplate(int code) {
    if (!IsCalculationCode(code)) return {};
    const CatalogueRow* node = NodeByCode(code);
    if (node->pairs == kTimeTemplate) return "[00:00:00] [00:00:00] [-00:00:00]";
    std::string text;
    for (int i = 0; i < node->pairs; ++i) {
        if (i > 0) text += ' ';
        text += "[]";
    }
    return text;
}

BracketTemplateEffect BracketTemplateCommand(int calculationCode, std::string_view inputText) {
    BracketTemplateEffect effect;
    if (IsCalculationCode(calculationCode)) {
        const std::string tmpl = BracketTemplate(calculationCode);
        effect.setInput = true;
        effect.inputText = inputText == tmpl ? std::string() : tmpl;
        effect.focusInput = true;
    }
    effect.paintHintYellow = calculationCode > 0;
    return effect;
}

}  // namespace zul
