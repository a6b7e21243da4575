// TFormOptions: the settings window "Настройки". It shows the settings model of the
// calculator and hands every edit and command to the core settings and file commands.
#pragma once

#include <QDialog>

#include <array>
#include <functional>
#include <memory>

#include "settings/ConstantFields.h"
#include "widgets/FrozenGrid.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSlider;

namespace zul {

class CaptionPanel;
struct Calculator;
class Platform;
class SettingsCommands;
class FileCommands;
struct FileCommandOutcome;

class TFormOptions : public QDialog {
    Q_OBJECT
public:
    TFormOptions(Calculator& calculator, Platform& platform, QWidget* parent = nullptr);
    ~TFormOptions() override;

    // The main window shows what a file command of this window changed (a settings file
    // read through the recent list or "Файл"), and runs its help command for "Помощь".
    void SetFileOutcomeHandler(std::function<void(const FileCommandOutcome&)> handler) {
        onFileOutcome_ = std::move(handler);
    }
    void SetHelpHandler(std::function<void()> handler) { onHelp_ = std::move(handler); }

    // Puts the model into the widgets (at each showing and after a command changed it).
    void RefreshFromModel();

    // Commands.
    void BBtnExitOptClick();
    void BBtnAutoLoadClick();
    void BBtnIniFileClick();
    void CBoxIniFileChange(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // One constant field: its edit line and the three panels around it.
    struct FieldWidgets {
        ConstantField field;
        CaptionPanel* text = nullptr;    // description panel above the field
        CaptionPanel* symbol = nullptr;  // symbol panel on the left
        QLineEdit* edit = nullptr;
        CaptionPanel* unit = nullptr;    // unit panel on the right
    };
    const FieldWidgets& Field(ConstantField field) const {
        return fields_[static_cast<std::size_t>(field) - 1];
    }

    // Controls, named as the system names them (the same text is the objectName).
    QScrollArea* ScrollBox1 = nullptr;
    QLineEdit* EditPlotnVoda = nullptr;
    QLineEdit* EditTeplMVoda = nullptr;
    QLineEdit* EditTeplMVozd = nullptr;
    QLineEdit* EditTeplVVozd = nullptr;
    QLineEdit* EditPlotnMatTr = nullptr;
    QLineEdit* EditHaraktShum = nullptr;
    CaptionPanel* PanelConst = nullptr;
    FrozenGrid* StrGridConst = nullptr;
    QGroupBox* GrBoxUgls = nullptr;
    QRadioButton* RButtonRad = nullptr;
    QRadioButton* RButtonGradus = nullptr;
    QRadioButton* RButtonGrad = nullptr;
    CaptionPanel* PanelNVir = nullptr;
    QSlider* TrBarNVir = nullptr;
    QComboBox* CBoxIniFile = nullptr;
    QPushButton* BBtnIniFile = nullptr;
    QCheckBox* ChBoxAutoLoad = nullptr;
    QLineEdit* EditFAutoLoad = nullptr;
    QPushButton* BBtnAutoLoad = nullptr;
    CaptionPanel* PanExit = nullptr;
    QCheckBox* ChBoxEscExit = nullptr;
    QCheckBox* ChBoxAskExit = nullptr;
    QPushButton* BBtnHelp = nullptr;
    QPushButton* BBtnExitOpt = nullptr;
    QFrame* PanelLine = nullptr;

    void createWidgets();
    void createFieldBlock(QWidget* box, ConstantField field, int top);
    void createConnections();
    void setTexts();
    void setFonts();

    // The grid as the model holds it; the cell whose editor is open keeps the editor's text.
    // With placeCurrent the model's current cell becomes the grid's.
    void RefreshGrid(bool placeCurrent);
    void RefreshFileWidgets();
    void StrGridConstSetEditText(int row, int column, const QString& text);
    void FocusBadField(std::uint8_t badField);
    void FieldEnter(ConstantField field);
    void FieldExit(ConstantField field);
    void ShowFileOutcome(const FileCommandOutcome& outcome);
    bool FormCloseQuery();

    Calculator& calc_;
    Platform& platform_;
    std::unique_ptr<SettingsCommands> commands_;
    std::unique_ptr<FileCommands> files_;
    std::array<FieldWidgets, kConstantFieldCount> fields_{};
    std::function<void(const FileCommandOutcome&)> onFileOutcome_;
    std::function<void()> onHelp_;
    bool refreshing_ = false;  // widgets are being set from the model: no edit events
};

}  // namespace zul
