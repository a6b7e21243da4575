// A platform for tests: answers from a script, in order, and records everything shown.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace zul {

class ScriptedPlatform : public Platform {
public:
    struct Message {
        MessageKind kind;
        std::string text;
        MessageButtons buttons;
    };
    struct FileDialog {
        bool save;  // false: open dialog
        FileDialogRequest request;
    };

    // Scripted answers, consumed in order. With the script empty a message box answers Ok
    // (or No for a question), a file dialog is cancelled, a question dialog is abandoned.
    void QueueMessageResult(MessageResult result) { messageResults_.push_back(result); }
    void QueueFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }
    void QueueQuestion(QuestionOutcome outcome) { questions_.push_back(outcome); }
    void QueueContinue(int choice) { questions_.push_back({true, choice}); }
    void QueueAbort() { questions_.push_back({false, 1}); }

    MessageResult ShowMessage(MessageKind kind, std::string_view text, MessageButtons buttons) override;
    std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) override;
    std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) override;
    QuestionOutcome ShowQuestion(const QuestionPrompt& prompt) override;
    bool OpenWithDesktop(const std::string& path) override;
    void SetBusyCursor(bool busy) override;

    const std::vector<Message>& messages() const { return messages_; }
    const std::vector<FileDialog>& fileDialogs() const { return fileDialogs_; }
    const std::vector<QuestionPrompt>& questions() const { return questionsShown_; }
    const std::vector<std::string>& openedWithDesktop() const { return opened_; }
    int busyDepth() const { return busyDepth_; }
    // Texts of all messages, one per element, for compact assertions.
    std::vector<std::string> MessageTexts() const;
    // Every scripted answer was asked for.
    bool ScriptUsedUp() const { return messageResults_.empty() && files_.empty() && questions_.empty(); }
    void ClearRecords();

    bool openWithDesktopSucceeds = true;
    // Runs as each message box appears: a test looks at the windows the user sees behind it.
    std::function<void(const Message&)> onMessage;

private:
    std::deque<MessageResult> messageResults_;
    std::deque<std::optional<std::string>> files_;
    std::deque<QuestionOutcome> questions_;
    std::vector<Message> messages_;
    std::vector<FileDialog> fileDialogs_;
    std::vector<QuestionPrompt> questionsShown_;
    std::vector<std::string> opened_;
    int busyDepth_ = 0;
};

}  // namespace zul
