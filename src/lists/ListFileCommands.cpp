// Open, save, save as, close and delete of list files.
#include "lists/ListFileCommands.h"

#include <filesystem>

#include "lists/ListFile.h"
#include "platform/FilePaths.h"
#include "platform/Platform.h"
#include "platform/Question.h"

namespace zul {
namespace {

FileDialogRequest ListDialog(std::string title) {
    return {std::move(title), std::string(kListFileFilter), std::string(kListFileExtension), {}};
}

}  // namespace

bool ListFileCommands::WriteReported() {
    const ListWriteResult written = WriteListFile(list_, list_.Path());
    if (written.ok) return true;
    platform_.ShowError("Не удалось сохранить список строк в файле:\n" + list_.Path() + "\n" + written.error);
    saveFailed_ = true;
    return false;
}

void ListFileCommands::SaveListFile() {
    saveFailed_ = false;
    // Without a file nothing is saved anywhere yet, whatever the indicator says.
    if (list_.Saved() && list_.FileOpen()) {
        platform_.ShowInformation("Этот список строк-выражений уже сохранен в файле:\n" + list_.Path());
        return;
    }
    if (list_.FileOpen()) {
        if (!WriteReported()) return;
    } else {
        SaveListFileAs();
        if (saveFailed_) return;
    }
    list_.SetIndicator(SavedIndicator::Saved);
}

void ListFileCommands::SaveListFileAs() {
    saveFailed_ = false;
    const std::optional<ChosenFile> chosen =
        ChooseFile(platform_, ListDialog("Сохранение списка вычислений"), FileDialogKind::Save);
    if (!chosen || !chosen->hasExtension) {
        saveFailed_ = true;
        return;
    }
    const std::string& path = chosen->path;
    const std::string previous = list_.Path();
    list_.SetPath(path);
    std::string shownName;
    if (!SingleExtension(path, shownName)) {
        list_.SetPath({});
        platform_.ShowError("Ошибка в расширении файла:  " + shownName);
        saveFailed_ = true;
        return;
    }
    if (!WriteReported()) {
        list_.SetPath(previous);  // nothing was saved there: the list keeps the file it had
        return;
    }
    list_.SetIndicator(SavedIndicator::Saved);
}

void ListFileCommands::CloseListFile() {
    if (!list_.FileOpen() && list_.Saved()) return;
    if (!list_.Saved()) {
        const MessageResult answer = platform_.ShowMessage(
            MessageKind::Confirmation, "Этот список строк был изменен. Сохранить изменения?...",
            MessageButtons::YesNoAbort);
        if (answer != MessageResult::Yes && answer != MessageResult::No) return;
        if (answer == MessageResult::Yes) {
            SaveListFile();
            if (saveFailed_) return;
        }
    }
    list_.Reset();
}

void ListFileCommands::DeleteListFile() {
    if (!list_.FileOpen()) return;
    const std::string path = list_.Path();
    if (platform_.ShowMessage(MessageKind::Confirmation, "Вы уверены, что нужно УДАЛИТЬ текущий файл? - \n" + path,
                              MessageButtons::YesNo) != MessageResult::Yes)
        return;
    if (!IsFile(path)) return;
    std::error_code ec;
    if (!std::filesystem::remove(path, ec) || ec) {
        std::string text = "Не удалось удалить файл:\n" + path;
        if (ec) text.append("\n").append(ec.message());
        platform_.ShowError(text);
        return;
    }
    list_.Reset();
    platform_.ShowInformation("Файл удален.");
}

void ListFileCommands::OpenListFile() {
    appendedLoad_ = false;
    int answer = kAnswerReplace;
    if (list_.FileOpen()) {
        answer = question_.Ask(platform_, QuestionKind::ListFile);
        if (answer == kAnswerAbort) return;
        appendedLoad_ = true;
    }
    const std::optional<ChosenFile> chosen =
        ChooseFile(platform_, ListDialog("Открытие списка вычислений"), FileDialogKind::Open);
    if (!chosen) return;
    if (!chosen->hasExtension) {
        saveFailed_ = true;
        return;
    }
    const std::string& path = chosen->path;
    const std::string previous = list_.Path();
    list_.SetPath(path);
    if (!PathExists(path)) {
        list_.SetPath({});
        platform_.ShowError("Файл не существует:\n" + path);
        return;
    }
    // "Добавить": the appended lines belong to the list file that was already open.
    const bool append = appendedLoad_ && answer == kAnswerAppend;
    std::string error;
    const ListReadStatus status = ReadListFile(list_, path, append, &error);
    if (status != ListReadStatus::Read) {
        platform_.ShowError(ListReadErrorText(status, path, error));
        // Nothing was read: the list and its saved state stay as they were.
        list_.SetPath(append ? previous : std::string());
        return;
    }
    if (append) list_.SetPath(previous);
    list_.SetCurrentRow(append ? list_.LineCount() : 1);
    list_.SetIndicator(appendedLoad_ ? SavedIndicator::Changed : SavedIndicator::Saved);
}

bool ListFileCommands::MayCloseWindow() {
    if (list_.Saved()) return true;
    const MessageResult answer = platform_.ShowMessage(
        MessageKind::Confirmation, "Список строк был изменен. Сохранить изменения?...", MessageButtons::YesNoAbort);
    if (answer == MessageResult::No) return true;
    if (answer != MessageResult::Yes) return false;
    SaveListFile();
    return !saveFailed_;
}

}  // namespace zul
