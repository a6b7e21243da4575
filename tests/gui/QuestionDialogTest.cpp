// TVopros: the texts and choices of each kind, the preselected choice remembered from the
// last "Продолжить", and "Выход" and the close box abandoning the command.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include "GuiTestSupport.h"
#include "reference/window/Vopr.h"

namespace zul::test {
namespace {

struct KindCase {
    QuestionKind kind;
    const char* group;
    const char* first;
    const char* second;
    bool thirdVisible;
    int preselected;  // 1..3 at the start of a run
};

const KindCase kKinds[] = {
    {QuestionKind::History, "Текущую историю...", "Заменить", "Добавить", true, 2},
    {QuestionKind::CloseSettings, "Настройки...", "Оставить", "По умолчанию", false, 1},
    {QuestionKind::ListFile, "Список выражений", "Заменить", "Добавить", false, 1},
};

TEST(QuestionDialog, TextsChoicesAndStartPreselection) {
    for (const KindCase& c : kKinds) {
        SCOPED_TRACE(c.group);
        QuestionDialog model;
        TVopros dialog;
        dialog.Prepare(model.Prepare(c.kind));
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Уточнение..."));
        EXPECT_EQ(dialog.size(), QSize(529, 176));
        EXPECT_EQ(Child<QGroupBox>(dialog, "GroupBoxHist")->title(), QString::fromUtf8(c.group));
        EXPECT_EQ(Child<QRadioButton>(dialog, "RButtonClear")->text(), QString::fromUtf8(c.first));
        EXPECT_EQ(Child<QRadioButton>(dialog, "RButtonAdd")->text(), QString::fromUtf8(c.second));
        EXPECT_EQ(Child<QRadioButton>(dialog, "RButtonNo")->isVisibleTo(&dialog), c.thirdVisible);
        QRadioButton* buttons[] = {Child<QRadioButton>(dialog, "RButtonClear"),
                                   Child<QRadioButton>(dialog, "RButtonAdd"),
                                   Child<QRadioButton>(dialog, "RButtonNo")};
        EXPECT_TRUE(buttons[c.preselected - 1]->isChecked());
        EXPECT_FALSE(Child<QLabel>(dialog, "LabelSoob")->text().isEmpty());
    }
}

struct AnswerCase {
    const char* name;
    std::function<void(TVopros&)> act;
    int answer;
    int rememberedAfter;  // kind 1
};

TEST(QuestionDialog, AnswersAndRememberedChoice) {
    const AnswerCase cases[] = {
        {"continue with replace",
         [](TVopros& d) {
             Child<QRadioButton>(d, "RButtonClear")->click();
             Child<QPushButton>(d, "BBtnContin")->click();
         },
         1, 1},
        {"continue with keep",
         [](TVopros& d) {
             Child<QRadioButton>(d, "RButtonNo")->click();
             Child<QPushButton>(d, "BBtnContin")->click();
         },
         3, 3},
        {"abort keeps the choice",
         [](TVopros& d) {
             Child<QRadioButton>(d, "RButtonClear")->click();
             Child<QPushButton>(d, "BBtnAbort")->click();
         },
         0, 2},
        {"close box abandons",
         [](TVopros& d) {
             Child<QRadioButton>(d, "RButtonNo")->click();
             d.close();
         },
         0, 2},
    };
    for (const AnswerCase& c : cases) {
        SCOPED_TRACE(c.name);
        QuestionDialog model;
        TVopros dialog;
        dialog.Prepare(model.Prepare(QuestionKind::History));
        dialog.show();
        c.act(dialog);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(model.Finish(QuestionKind::History, dialog.Outcome()), c.answer);
        EXPECT_EQ(model.Remembered(QuestionKind::History), c.rememberedAfter);
        dialog.Prepare(model.Prepare(QuestionKind::History));
        QRadioButton* buttons[] = {Child<QRadioButton>(dialog, "RButtonClear"),
                                   Child<QRadioButton>(dialog, "RButtonAdd"),
                                   Child<QRadioButton>(dialog, "RButtonNo")};
        EXPECT_TRUE(buttons[c.rememberedAfter - 1]->isChecked());
    }
}

TEST(QuestionDialog, CloseKindNeverShowsTheThirdChoice) {
    QuestionDialog model;
    TVopros dialog;
    dialog.Prepare(model.Prepare(QuestionKind::History));
    Child<QRadioButton>(dialog, "RButtonNo")->click();
    Child<QPushButton>(dialog, "BBtnContin")->click();
    model.Finish(QuestionKind::History, dialog.Outcome());
    dialog.Prepare(model.Prepare(QuestionKind::CloseSettings));
    EXPECT_FALSE(Child<QRadioButton>(dialog, "RButtonNo")->isVisibleTo(&dialog));
    EXPECT_TRUE(Child<QRadioButton>(dialog, "RButtonClear")->isChecked());
}

}  // namespace
}  // namespace zul::test
