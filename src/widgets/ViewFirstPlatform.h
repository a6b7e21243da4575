// The platform as a window hands it to its commands: before each message box the window
// shows what the command has done so far, so that the box speaks of what the user sees (a
// list already emptied, the failing line already highlighted).
#pragma once

#include <functional>
#include <utility>

#include "platform/Platform.h"

namespace zul {

class ViewFirstPlatform : public Platform {
public:
    ViewFirstPlatform(Platform& platform, std::function<void()> showView)
        : platform_(platform), showView_(std::move(showView)) {}

    MessageResult ShowMessage(MessageKind kind, std::string_view text, MessageButtons buttons) override {
        if (showView_) showView_();
        return platform_.ShowMessage(kind, text, buttons);
    }
    std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) override {
        return platform_.OpenFileDialog(request);
    }
    std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) override {
        return platform_.SaveFileDialog(request);
    }
    QuestionOutcome ShowQuestion(const QuestionPrompt& prompt) override { return platform_.ShowQuestion(prompt); }
    bool OpenWithDesktop(const std::string& path) override { return platform_.OpenWithDesktop(path); }
    void SetBusyCursor(bool busy) override { platform_.SetBusyCursor(busy); }

private:
    Platform& platform_;
    std::function<void()> showView_;
};

}  // namespace zul
