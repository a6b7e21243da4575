// Texts and remembered choices of the question dialog.
#include "platform/Question.h"

#include <algorithm>

#include "platform/Platform.h"

namespace zul {

QuestionPrompt QuestionDialog::Prepare(QuestionKind kind) const {
    QuestionPrompt p;
    p.kind = kind;
    switch (kind) {
        case QuestionKind::History:
            p.message =
                "Сейчас Программа помнит все предыдущие вычисления. При загрузке другой конфигурации "
                "Калькулятора можно выбрать несколько вариантов...";
            p.groupCaption = "Текущую историю...";
            p.choices = {"Заменить", "Добавить", "Не менять"};
            p.choiceCount = 3;
            break;
        case QuestionKind::CloseSettings:
            p.message =
                "Текущий файл с настройками будет сейчас закрыт. Уточните - оставлять ли эти настройки "
                "или вернуть все \"по умолчанию\"?..";
            p.groupCaption = "Настройки...";
            p.choices = {"Оставить", "По умолчанию", ""};
            p.choiceCount = 2;
            break;
        case QuestionKind::ListFile:
            p.message =
                "В данный момент какой-то файл с выражениями уже открыт. Уточните - как расположить новый "
                "список.";
            p.groupCaption = "Список выражений";
            p.choices = {"Заменить", "Добавить", ""};
            p.choiceCount = 2;
            break;
    }
    p.preselected = std::clamp(Remembered(kind), 1, p.choiceCount);
    return p;
}

int QuestionDialog::Finish(QuestionKind kind, const QuestionOutcome& outcome) {
    // The choices a dialog offers are the ones Prepare gives it.
    if (!outcome.continued || outcome.choice < 1 || outcome.choice > Prepare(kind).choiceCount) {
        answer_ = kAnswerAbort;
        return answer_;
    }
    remembered_[Slot(kind)] = outcome.choice;
    answer_ = outcome.choice;
    return answer_;
}

int QuestionDialog::Ask(Platform& platform, QuestionKind kind) {
    return Finish(kind, platform.ShowQuestion(Prepare(kind)));
}

}  // namespace zul
