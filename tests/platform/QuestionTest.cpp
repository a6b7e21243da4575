// The question dialog: texts per kind, preselection from the remembered choice, answers.
#include <gtest/gtest.h>

#include "platform/Question.h"
#include "platform/ScriptedPlatform.h"

namespace zul {
namespace {

TEST(QuestionDialog, TextsAndChoicesPerKind) {
    const struct {
        QuestionKind kind;
        const char* group;
        int choiceCount;
        const char* first;
        const char* second;
        int preselected;
    } cases[] = {
        {QuestionKind::History, "Текущую историю...", 3, "Заменить", "Добавить", 2},
        {QuestionKind::CloseSettings, "Настройки...", 2, "Оставить", "По умолчанию", 1},
        {QuestionKind::ListFile, "Список выражений", 2, "Заменить", "Добавить", 1},
    };
    QuestionDialog dialog;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.group);
        const QuestionPrompt p = dialog.Prepare(c.kind);
        EXPECT_EQ(p.groupCaption, c.group);
        EXPECT_EQ(p.choiceCount, c.choiceCount);
        EXPECT_EQ(p.choices[0], c.first);
        EXPECT_EQ(p.choices[1], c.second);
        EXPECT_EQ(p.preselected, c.preselected);
        EXPECT_FALSE(p.message.empty());
    }
    EXPECT_EQ(dialog.Prepare(QuestionKind::History).choices[2], "Не менять");
}

// Each row: a sequence of showings of one kind and what follows.
TEST(QuestionDialog, AnswersAndRememberedChoices) {
    const struct {
        const char* name;
        QuestionKind kind;
        QuestionOutcome outcome;
        int answer;
        int rememberedAfter;
    } cases[] = {
        {"continue with the first choice", QuestionKind::History, {true, 1}, 1, 1},
        {"continue with the third choice", QuestionKind::History, {true, 3}, 3, 3},
        {"abort keeps the remembered choice", QuestionKind::History, {false, 1}, 0, 2},
        {"close kind 2 with defaults", QuestionKind::CloseSettings, {true, 2}, 2, 2},
        {"kind 2 cannot take a third choice", QuestionKind::CloseSettings, {true, 3}, 0, 1},
        {"kind 3 append", QuestionKind::ListFile, {true, 2}, 2, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QuestionDialog dialog;
        ScriptedPlatform platform;
        platform.QueueQuestion(c.outcome);
        EXPECT_EQ(dialog.Ask(platform, c.kind), c.answer);
        EXPECT_EQ(dialog.Answer(), c.answer);
        EXPECT_EQ(dialog.Remembered(c.kind), c.rememberedAfter);
        EXPECT_EQ(dialog.Prepare(c.kind).preselected, c.rememberedAfter);
    }
}

TEST(QuestionDialog, KindsRememberSeparately) {
    QuestionDialog dialog;
    ScriptedPlatform platform;
    platform.QueueContinue(3);  // kind 1: "Не менять"
    platform.QueueContinue(1);  // kind 1: "Заменить"
    dialog.Ask(platform, QuestionKind::History);
    // Kind 2 never offers a third choice, whatever kind 1 remembers.
    EXPECT_EQ(dialog.Prepare(QuestionKind::CloseSettings).preselected, 1);
    EXPECT_EQ(dialog.Prepare(QuestionKind::CloseSettings).choiceCount, 2);
    dialog.Ask(platform, QuestionKind::History);
    EXPECT_EQ(dialog.Prepare(QuestionKind::History).preselected, 1);
    ASSERT_EQ(platform.questions().size(), 2u);
    EXPECT_EQ(platform.questions()[0].preselected, 2);  // the first question of a run: "Добавить"
    EXPECT_EQ(platform.questions()[1].preselected, 3);
}

}  // namespace
}  // namespace zul
