// The scripted platform of the tests.
#include "platform/ScriptedPlatform.h"

namespace zul {

MessageResult ScriptedPlatform::ShowMessage(MessageKind kind, std::string_view text, MessageButtons buttons) {
    messages_.push_back({kind, std::string(text), buttons});
    if (onMessage) onMessage(messages_.back());
    if (!messageResults_.empty()) {
        const MessageResult r = messageResults_.front();
        messageResults_.pop_front();
        return r;
    }
    return buttons == MessageButtons::Ok ? MessageResult::Ok : MessageResult::No;
}

std::optional<std::string> ScriptedPlatform::OpenFileDialog(const FileDialogRequest& request) {
    fileDialogs_.push_back({false, request});
    if (files_.empty()) return std::nullopt;
    auto path = files_.front();
    files_.pop_front();
    return path;
}

std::optional<std::string> ScriptedPlatform::SaveFileDialog(const FileDialogRequest& request) {
    fileDialogs_.push_back({true, request});
    if (files_.empty()) return std::nullopt;
    auto path = files_.front();
    files_.pop_front();
    return path;
}

QuestionOutcome ScriptedPlatform::ShowQuestion(const QuestionPrompt& prompt) {
    questionsShown_.push_back(prompt);
    if (questions_.empty()) return {false, 1};
    const QuestionOutcome o = questions_.front();
    questions_.pop_front();
    return o;
}

bool ScriptedPlatform::OpenWithDesktop(const std::string& path) {
    opened_.push_back(path);
    return openWithDesktopSucceeds;
}

void ScriptedPlatform::SetBusyCursor(bool busy) { busyDepth_ += busy ? 1 : -1; }

std::vector<std::string> ScriptedPlatform::MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& m : messages_) texts.push_back(m.text);
    return texts;
}

void ScriptedPlatform::ClearRecords() {
    messages_.clear();
    fileDialogs_.clear();
    questionsShown_.clear();
    opened_.clear();
}

}  // namespace zul
