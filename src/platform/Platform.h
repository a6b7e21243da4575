// What the core asks of the desktop: message boxes, file dialogs, the question dialog,
// opening a file with the desktop and the busy cursor. The windows pass the Qt
// implementation; tests pass ScriptedPlatform.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Question.h"

namespace zul {

// The icon of the standard message dialog.
enum class MessageKind { Warning, Error, Information, Confirmation };
enum class MessageButtons { Ok, YesNo, YesNoAbort };
// Closed: the box was closed without a button (Esc, close box).
enum class MessageResult { Ok, Yes, No, Abort, Closed };

// The message boxes of the system are captioned with the application title.
inline constexpr std::string_view kApplicationTitle = "Калькулятор";

struct FileDialogRequest {
    std::string title;
    // "Настройки (*.ini)|*.ini|Все файлы (*.*)|*.*": description and pattern pairs.
    std::string filter;
    std::string defaultExtension;  // without the dot; appended to a name typed without one
    std::string initialFile;
};

class Platform {
public:
    virtual ~Platform() = default;

    virtual MessageResult ShowMessage(MessageKind kind, std::string_view text, MessageButtons buttons) = 0;
    // The chosen path, or nothing when the dialog was cancelled.
    virtual std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) = 0;
    // Shows the question dialog modally with the prompt's texts and preselection.
    virtual QuestionOutcome ShowQuestion(const QuestionPrompt& prompt) = 0;
    // Opens the file with the desktop's program for it ("open"); false when that failed.
    virtual bool OpenWithDesktop(const std::string& path) = 0;
    virtual void SetBusyCursor(bool busy) = 0;

    // Shortcuts for the message boxes the system shows most.
    void ShowError(std::string_view text) { ShowMessage(MessageKind::Error, text, MessageButtons::Ok); }
    void ShowInformation(std::string_view text) {
        ShowMessage(MessageKind::Information, text, MessageButtons::Ok);
    }
    bool ConfirmYesNo(std::string_view text) {
        return ShowMessage(MessageKind::Confirmation, text, MessageButtons::YesNo) == MessageResult::Yes;
    }
};

}  // namespace zul
