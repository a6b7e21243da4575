// The question dialog TVopros as state: the three kinds of question, their texts, the answer
// and the choice remembered for each kind for the rest of the run.
#pragma once

#include <array>
#include <string>

namespace zul {

class Platform;

enum class QuestionKind { History = 1, CloseSettings = 2, ListFile = 3 };

// Answers: 0 "Выход" (the command is abandoned), 1..3 the choice taken with "Продолжить".
inline constexpr int kAnswerAbort = 0;
inline constexpr int kAnswerReplace = 1;       // kind 1 "Заменить", kind 3 "Заменить"
inline constexpr int kAnswerAppend = 2;        // kind 1 "Добавить", kind 3 "Добавить"
inline constexpr int kAnswerKeep = 3;          // kind 1 "Не менять"
inline constexpr int kAnswerKeepSettings = 1;  // kind 2 "Оставить"
inline constexpr int kAnswerDefaults = 2;      // kind 2 "По умолчанию"

// What the window shows for one question (Prepare).
struct QuestionPrompt {
    QuestionKind kind = QuestionKind::History;
    std::string message;                 // LabelSoob
    std::string groupCaption;            // GroupBoxHist
    std::array<std::string, 3> choices;  // RButtonClear, RButtonAdd, RButtonNo
    int choiceCount = 3;                 // 2: RButtonNo hidden
    int preselected = 1;                 // 1..choiceCount
};

// How the window was closed: "Продолжить" with the checked choice, or not.
struct QuestionOutcome {
    bool continued = false;  // false: "Выход" or the close box
    int choice = 1;          // 1..3, meaningful when continued
};

class QuestionDialog {
public:
    QuestionPrompt Prepare(QuestionKind kind) const;
    // Applies the outcome: remembers the choice and returns the answer. Closing the window
    // with its close box abandons the command like "Выход": a window closed without a
    // choice must not clear the history.
    int Finish(QuestionKind kind, const QuestionOutcome& outcome);
    // Prepare, show through the platform, Finish.
    int Ask(Platform& platform, QuestionKind kind);

    int Answer() const { return answer_; }  // the last answer; 0 before any question
    int Remembered(QuestionKind kind) const { return remembered_[Slot(kind)]; }

private:
    static std::size_t Slot(QuestionKind kind) { return static_cast<std::size_t>(kind) - 1; }
    std::array<int, 3> remembered_{2, 1, 1};  // "Добавить", "Оставить", "Заменить"
    int answer_ = 0;
};

}  // namespace zul
