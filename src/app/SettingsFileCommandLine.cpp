// Reading a settings file for the command-line calculator, without windows.
#include <filesystem>

#include "app/Calculator.h"
#include "app/SettingsFile.h"
#include "platform/Platform.h"

namespace zul {
namespace {

// Collects the messages a read shows; asks nothing.
class CollectingPlatform : public Platform {
public:
    std::vector<std::string> texts;

    MessageResult ShowMessage(MessageKind, std::string_view text, MessageButtons) override {
        texts.emplace_back(text);
        return MessageResult::Ok;
    }
    std::optional<std::string> OpenFileDialog(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> SaveFileDialog(const FileDialogRequest&) override { return std::nullopt; }
    QuestionOutcome ShowQuestion(const QuestionPrompt&) override { return {false, 1}; }
    bool OpenWithDesktop(const std::string&) override { return false; }
    void SetBusyCursor(bool) override {}
};

}  // namespace

bool LoadSettingsFileForCommandLine(Calculator& calculator, const std::string& path, std::string& error,
                                    std::vector<std::string>* warnings) {
    std::error_code ec;
    // A folder or a file too large is reported by the read with its reason.
    if (!std::filesystem::exists(path, ec)) {
        error = "Файл не существует:  " + path;
        return false;
    }
    CollectingPlatform platform;
    calculator.main.settingsFile.currentFile = path;
    const SettingsReadOutcome outcome = ReadSettingsFile(calculator, platform, kAnswerAppend);
    if (!outcome.read) {
        error = platform.texts.empty() ? NotSettingsFileText(path) : platform.texts.front();
        return false;
    }
    calculator.main.settingsFile.modified = false;
    if (warnings) warnings->insert(warnings->end(), platform.texts.begin(), platform.texts.end());
    return true;
}

}  // namespace zul
