// The file commands of the expression lists window: open (with the list question), save,
// save as, close and delete, with their questions and messages through the platform.
#pragma once

#include <string>

#include "lists/ExpressionList.h"

namespace zul {

class Platform;
class QuestionDialog;

class ListFileCommands {
public:
    ListFileCommands(ExpressionList& list, Platform& platform, QuestionDialog& question)
        : list_(list), platform_(platform), question_(question) {}

    void OpenListFile();    // VirOpenClick "Открыть" F3
    void SaveListFile();    // VirSaveClick "Сохранить" F2
    void SaveListFileAs();  // VirSaveAsClick "Сохранить как..." Alt+F2
    void CloseListFile();   // VirCloseClick "Закрыть" Alt+F3
    void DeleteListFile();  // VirEraseClick "Удалить"
    // FormCloseQuery of the window: false keeps the window open.
    bool MayCloseWindow();

    // Set when a save as was cancelled, refused or could not write.
    bool SaveFailed() const { return saveFailed_; }
    // Set when an open followed the question about the list already open.
    bool AppendedLoad() const { return appendedLoad_; }

private:
    // WriteListFile with its failure reported; false when nothing was written.
    bool WriteReported();

    ExpressionList& list_;
    Platform& platform_;
    QuestionDialog& question_;
    bool saveFailed_ = false;
    bool appendedLoad_ = false;
};

}  // namespace zul
