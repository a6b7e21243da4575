// The desktop under Qt: message boxes captioned "Калькулятор", the file dialogs, the
// question dialog (the window is handed in), opening files with the desktop and the busy
// cursor.
#pragma once

#include <QString>

#include <functional>

#include "eval/EvalContext.h"
#include "platform/Platform.h"

class QWidget;

namespace zul {

// "Настройки (*.ini)|*.ini|Все файлы (*.*)|*.*" -> "Настройки (*.ini);;Все файлы (*.*)":
// each description and pattern pair becomes one Qt name filter.
QString QtNameFilters(const std::string& filter);

class QtPlatform : public Platform {
public:
    QtPlatform() = default;

    // Shows the question dialog TVopros for a prompt and tells how it was closed.
    using QuestionWindow = std::function<QuestionOutcome(const QuestionPrompt&)>;
    // The question dialog created at start. Without one a question is answered as if the
    // dialog were closed with "Выход": the command that asks is abandoned.
    void SetQuestionWindow(QuestionWindow window) { question_ = std::move(window); }

    MessageResult ShowMessage(MessageKind kind, std::string_view text, MessageButtons buttons) override;
    std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) override;
    std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) override;
    QuestionOutcome ShowQuestion(const QuestionPrompt& prompt) override;
    bool OpenWithDesktop(const std::string& path) override;
    void SetBusyCursor(bool busy) override;

private:
    std::optional<std::string> RunFileDialog(const FileDialogRequest& request, bool save);
    QuestionWindow question_;
    int busyDepth_ = 0;
};

// The busy cursor shown while the evaluator works.
class BusyCursor : public BusyIndicator {
public:
    explicit BusyCursor(Platform& platform) : platform_(platform) {}
    void Begin() override { platform_.SetBusyCursor(true); }
    void End() override { platform_.SetBusyCursor(false); }

private:
    Platform& platform_;
};

// The window a message box or dialog belongs to: the active modal window, else the
// active window.
QWidget* DialogParent();

}  // namespace zul
