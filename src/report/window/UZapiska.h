// TFormZapiska: "Расчётная записка", the calculations of the session as a document for the
// project file. The window shows the session journal (each entry with its check box and
// note), the heading of the document and a preview, and exports the document as PDF, to a
// printer, as ODF text, as self-contained HTML and to the clipboard. Its widgets are its
// own; tests find them by their object names.
#pragma once

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/JournalEntry.h"

class QFrame;
class QLineEdit;
class QMenu;
class QMenuBar;
class QAction;
class QPrinter;
class QPushButton;
class QSplitter;
class QTableView;
class QTextBrowser;
class QTextDocument;
class QTimer;
class QToolButton;

namespace zul {

class CaptionPanel;
class JournalModel;
class Platform;
struct Calculator;
struct ListLine;

class TFormZapiska : public QDialog {
    Q_OBJECT
public:
    // What the window reads beyond the calculator: the lines of the expression list window,
    // and the help command of the main window.
    struct Sources {
        std::function<std::vector<ListLine>()> listLines;
        std::function<void()> help;
    };

    TFormZapiska(Calculator& calculator, Platform& platform, Sources sources, QWidget* parent = nullptr);
    ~TFormZapiska() override;

    // The dialogs the window opens: the row picker (which rows to add) and the print
    // dialog (true: print on the printer as set). Tests replace them.
    using PickRunner = std::function<std::vector<int>(const QString& title, const QStringList& rows)>;
    using PrintRunner = std::function<bool(QPrinter& printer)>;
    void SetPickRunner(PickRunner runner) { pick_ = std::move(runner); }
    void SetPrintRunner(PrintRunner runner) { print_ = std::move(runner); }

    // Commands.
    void SpButUpClick();
    void SpButDownClick();
    void BBtnDelClick();
    void SpButClearClick();
    void BBtnAddMemClick();
    void BBtnAddListClick();
    void NExportPdfClick();
    void NPrintClick();
    void NExportOdfClick();
    void NExportHtmlClick();
    void NCopyClick();
    // Shows the document as it stands now (edits reach the preview a moment later).
    void RefreshPreview();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createMenus();
    void createWidgets();
    void createToolbar();
    void createHeading();
    void createConnections();
    void setTexts();
    void setFonts();

    // The journal changed: table, counts, preview, settings-modified flag.
    void JournalChanged(std::optional<int> select);
    void ShowCounts();
    int SelectedEntry() const;  // 0-based; -1 when none
    void SelectEntry(int entry);
    void HeadingEdited();
    // Rows of the memory or the list that can become entries, with their row numbers; the
    // user picks which.
    struct Candidate {
        int number;
        JournalEntry entry;
    };
    void AddEntries(std::vector<Candidate> candidates, const QString& title);

    // Exports (UZapiskaExport.cpp).
    std::string DocumentHtml() const;  // pictures from their files
    std::optional<std::string> AskFileName(const char* title, const char* filter, const char* extension,
                                           const char* initialName);
    // False, with the message, when no file can be written at the path.
    bool CheckWritable(const std::string& path);
    // Saves through a temporary file; a failure is shown and leaves the old file.
    void SaveBytes(const std::string& path, std::string_view bytes);
    void ShowWriteError(const std::string& path, const QString& reason);

    Calculator& calc_;
    Platform& platform_;
    Sources sources_;
    PickRunner pick_;
    PrintRunner print_;
    JournalModel* model_ = nullptr;
    QTimer* previewTimer_ = nullptr;

    QMenuBar* MainMenu = nullptr;
    QMenu* NFile = nullptr;
    QAction* NExportPdf = nullptr;
    QAction* NPrint = nullptr;
    QAction* NExportOdf = nullptr;
    QAction* NExportHtml = nullptr;
    QAction* NCopy = nullptr;
    QAction* NExit = nullptr;
    QMenu* NEntry = nullptr;
    QAction* NAddMem = nullptr;
    QAction* NAddList = nullptr;
    QAction* NUp = nullptr;
    QAction* NDown = nullptr;
    QAction* NDel = nullptr;
    QAction* NClear = nullptr;

    QFrame* PanelTools = nullptr;
    QToolButton* SpButUp = nullptr;
    QToolButton* SpButDown = nullptr;
    QPushButton* BBtnDel = nullptr;
    QToolButton* SpButClear = nullptr;
    QPushButton* BBtnAddMem = nullptr;
    QPushButton* BBtnAddList = nullptr;
    QToolButton* SpButPdf = nullptr;
    QToolButton* SpButPrint = nullptr;
    QToolButton* SpButOdf = nullptr;
    QToolButton* SpButHtml = nullptr;
    QToolButton* SpButCopy = nullptr;

    QFrame* PanHeading = nullptr;
    CaptionPanel* PanObject = nullptr;
    QLineEdit* EditObject = nullptr;
    CaptionPanel* PanSection = nullptr;
    QLineEdit* EditSection = nullptr;
    CaptionPanel* PanAuthor = nullptr;
    QLineEdit* EditAuthor = nullptr;
    CaptionPanel* PanDate = nullptr;
    QLineEdit* EditDate = nullptr;

    QSplitter* SplitZapiska = nullptr;
    QTableView* GridZapiska = nullptr;
    QTextBrowser* TextPreview = nullptr;

    CaptionPanel* PanWhat = nullptr;
    QPushButton* BBtnHelp = nullptr;
    QPushButton* BBtnExitZap = nullptr;
    QFrame* PanLine1 = nullptr;
};

}  // namespace zul
