// TFormOptions: showing the model, the handlers of the controls, highlighting, and the
// close with its validation.
#include "settings/window/UOpt.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSlider>

#include "app/Calculator.h"
#include "widgets/Panels.h"
#include "widgets/QtText.h"
#include "app/FileCommands.h"
#include "app/SettingsModelCommands.h"
#include "widgets/FrozenGrid.h"

namespace zul {

namespace {

// Cells of the header row, the system rows and column 0 are fixed: shown, never edited.
bool IsFixedCell(int row, int column) { return row < UserConstantsGrid::kFirstUserRow || column == 0; }

}  // namespace

void TFormOptions::createConnections() {
    for (FieldWidgets& w : fields_) {
        const ConstantField field = w.field;
        connect(w.edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
            commands_->EditConstantField(field, text.toStdString());
        });
        connect(w.text, &CaptionPanel::clicked, this, [this, field] { Field(field).edit->setFocus(); });
        w.edit->installEventFilter(this);
    }
    connect(EditFAutoLoad, &QLineEdit::textEdited, this,
            [this](const QString& text) { commands_->SetAutoLoadPath(text.toStdString()); });
    // Each keystroke in a cell reaches the model at once (a first letter in the blank row
    // adds the next blank row); the committed text follows when the editor closes.
    connect(StrGridConst, &FrozenGrid::cellTextEdited, this,
            [this](int row, int column, const QString& text) { StrGridConstSetEditText(row, column, text); });
    connect(StrGridConst, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!refreshing_) StrGridConstSetEditText(item->row(), item->column(), item->text());
    });
    connect(StrGridConst, &QTableWidget::cellClicked, this, [this] { commands_->MarkModifiedByClick(); });
    TrBarNVir->installEventFilter(this);
    GrBoxUgls->installEventFilter(this);
    connect(PanExit, &CaptionPanel::clicked, this, [this] { commands_->MarkModifiedByClick(); });
    connect(TrBarNVir, &QSlider::valueChanged, this, [this](int position) {
        if (refreshing_) return;
        commands_->SetRememberedCount(position);
        PanelNVir->setText(ToQ(calc_.settings.PanelNVirCaption()));
    });
    connect(RButtonRad, &QRadioButton::clicked, this, [this] { commands_->SetAngleUnit(AngleUnit::Radians); });
    connect(RButtonGradus, &QRadioButton::clicked, this, [this] { commands_->SetAngleUnit(AngleUnit::Degrees); });
    connect(RButtonGrad, &QRadioButton::clicked, this, [this] { commands_->SetAngleUnit(AngleUnit::Grads); });
    connect(ChBoxEscExit, &QCheckBox::clicked, this, [this](bool on) { commands_->SetEscExit(on); });
    connect(ChBoxAskExit, &QCheckBox::clicked, this, [this](bool on) { commands_->SetAskExit(on); });
    connect(ChBoxAutoLoad, &QCheckBox::clicked, this, [this](bool on) {
        commands_->SetAutoLoad(on);
        RefreshFileWidgets();
    });
    connect(BBtnAutoLoad, &QPushButton::clicked, this, [this] { BBtnAutoLoadClick(); });
    connect(BBtnIniFile, &QPushButton::clicked, this, [this] { BBtnIniFileClick(); });
    connect(CBoxIniFile, qOverload<int>(&QComboBox::activated), this, [this](int index) { CBoxIniFileChange(index); });
    connect(BBtnHelp, &QPushButton::clicked, this, [this] {
        if (onHelp_) onHelp_();
    });
    connect(BBtnExitOpt, &QPushButton::clicked, this, [this] { BBtnExitOptClick(); });
    // Esc anywhere in the window is "Закрыть" (the window previews the keys).
    qApp->installEventFilter(this);
    // The constants caption is lime while a field or the grid has the focus, a cell's editor
    // included.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        const auto within = [now](const QWidget* area) { return now == area || area->isAncestorOf(now); };
        if (now == nullptr || now->window() != this) return;
        PanelConst->setPanelColor(within(StrGridConst) || within(ScrollBox1) ? Lime() : ButtonFace());
    });
}

void TFormOptions::RefreshFromModel() {
    refreshing_ = true;
    const SettingsModel& s = calc_.settings;
    for (FieldWidgets& w : fields_) {
        const QString text = ToQ(s.fields[w.field]);
        if (w.edit->text() != text) w.edit->setText(text);
    }
    RButtonRad->setChecked(s.angleUnit == AngleUnit::Radians);
    RButtonGradus->setChecked(s.angleUnit == AngleUnit::Degrees);
    RButtonGrad->setChecked(s.angleUnit == AngleUnit::Grads);
    TrBarNVir->setValue(s.TrackBarPosition());
    PanelNVir->setText(ToQ(s.PanelNVirCaption()));
    ChBoxEscExit->setChecked(s.escExit);
    ChBoxAskExit->setChecked(s.askExit);
    refreshing_ = false;
    RefreshGrid(true);
    RefreshFileWidgets();
}

void TFormOptions::RefreshFileWidgets() {
    refreshing_ = true;
    const SettingsModel& s = calc_.settings;
    CBoxIniFile->clear();
    for (const std::string& path : s.recentFiles.Entries()) CBoxIniFile->addItem(ToQ(path));
    CBoxIniFile->setCurrentIndex(s.recentFiles.Selected());
    ChBoxAutoLoad->setChecked(s.autoLoad);
    const QString path = ToQ(s.autoLoadPath);
    if (EditFAutoLoad->text() != path) EditFAutoLoad->setText(path);
    refreshing_ = false;
}

void TFormOptions::RefreshGrid(bool placeCurrent) {
    refreshing_ = true;
    const UserConstantsGrid& grid = calc_.settings.grid;
    const QModelIndex edited = StrGridConst->EditedIndex();
    if (StrGridConst->rowCount() != grid.RowCount()) StrGridConst->setRowCount(grid.RowCount());
    for (int row = 0; row < grid.RowCount(); ++row) {
        for (int column = 0; column < UserConstantsGrid::kColumns; ++column) {
            // Writing into the edited cell would put the editor's text and caret back.
            if (edited.isValid() && edited.row() == row && edited.column() == column) continue;
            QTableWidgetItem* item = StrGridConst->item(row, column);
            if (item == nullptr) {
                item = new QTableWidgetItem;
                if (IsFixedCell(row, column)) {
                    item->setFlags(Qt::ItemIsEnabled);
                    item->setBackground(ButtonFace());
                } else {
                    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
                }
                StrGridConst->setItem(row, column, item);
            }
            const QString text = ToQ(grid.Cell(row, column));
            if (item->text() != text) item->setText(text);
        }
    }
    // Row 0 shows the settings file's name; its full path is the tooltip.
    const QString path = ToQ(calc_.main.settingsFile.currentFile);
    if (StrGridConst->item(0, 0)->toolTip() != path) StrGridConst->item(0, 0)->setToolTip(path);
    if (placeCurrent) StrGridConst->setCurrentCell(grid.CurrentRow(), grid.CurrentColumn());
    refreshing_ = false;
}

void TFormOptions::StrGridConstSetEditText(int row, int column, const QString& text) {
    commands_->EditConstantCell(column, row, text.toStdString());
    // The row rules may have added or removed the blank row. While an editor is open the
    // grid follows at once (the edited cell is left to the editor); a text set from outside
    // is followed once its change has run its course.
    if (StrGridConst->EditedIndex().isValid())
        RefreshGrid(false);
    else
        QMetaObject::invokeMethod(this, [this] { RefreshGrid(false); }, Qt::QueuedConnection);
}

void TFormOptions::FocusBadField(std::uint8_t badField) {
    if (badField == kBadFieldGrid) {
        RefreshGrid(true);
        StrGridConst->setFocus();
        return;
    }
    QLineEdit* edit = Field(static_cast<ConstantField>(badField)).edit;
    edit->setFocus();
    edit->selectAll();
}

void TFormOptions::BBtnExitOptClick() {
    StrGridConst->CommitEdit();  // what is typed into a cell is validated too
    const OptionsCloseOutcome outcome = commands_->ApplyAndClose();
    RefreshFromModel();
    if (outcome.close) {
        close();  // the close query validates once more
    } else if (outcome.focusBadField) {
        FocusBadField(outcome.badField);
    }
}

bool TFormOptions::FormCloseQuery() {
    StrGridConst->CommitEdit();
    const OptionsCloseOutcome outcome = commands_->ValidateForClose();
    RefreshGrid(true);  // validation tidies the user rows
    if (!outcome.close && outcome.focusBadField) FocusBadField(outcome.badField);
    return outcome.close;
}

void TFormOptions::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TFormOptions::showEvent(QShowEvent* event) {
    RefreshFromModel();
    QDialog::showEvent(event);
}

void TFormOptions::BBtnAutoLoadClick() {
    commands_->ChooseAutoLoadFile();
    RefreshFileWidgets();
    if (!EditFAutoLoad->text().isEmpty()) EditFAutoLoad->setFocus();
}

void TFormOptions::ShowFileOutcome(const FileCommandOutcome& outcome) {
    RefreshFromModel();
    if (onFileOutcome_) onFileOutcome_(outcome);
}

void TFormOptions::BBtnIniFileClick() {
    StrGridConst->CommitEdit();
    ShowFileOutcome(files_->ConfirmAndOpenSettingsFile());
}

void TFormOptions::CBoxIniFileChange(int index) {
    StrGridConst->CommitEdit();
    ShowFileOutcome(files_->SwitchToRecentFile(index));
}

// The description panel of the focused field turns yellow with a border; the panels on its
// sides swap their bevels.
void TFormOptions::FieldEnter(ConstantField field) {
    const FieldWidgets& w = Field(field);
    w.text->setFrameStyle(QFrame::Box | QFrame::Plain);
    w.text->setPanelColor(Yellow());
    w.symbol->setFrameShadow(QFrame::Raised);
    w.unit->setFrameShadow(QFrame::Raised);
}

void TFormOptions::FieldExit(ConstantField field) {
    const FieldWidgets& w = Field(field);
    w.text->setFrameStyle(QFrame::NoFrame);
    w.text->setPanelColor(ButtonFace());
    w.symbol->setFrameShadow(QFrame::Sunken);
    w.unit->setFrameShadow(QFrame::Sunken);
}

bool TFormOptions::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        auto* key = static_cast<QKeyEvent*>(event);
        if (widget != nullptr && widget->window() == this && key->key() == Qt::Key_Escape && isVisible()) {
            BBtnExitOptClick();
            return true;
        }
        return QDialog::eventFilter(watched, event);
    }
    if (type != QEvent::FocusIn && type != QEvent::FocusOut && type != QEvent::MouseButtonPress)
        return QDialog::eventFilter(watched, event);
    const bool in = type == QEvent::FocusIn;
    for (const FieldWidgets& w : fields_) {
        if (watched != w.edit || type == QEvent::MouseButtonPress) continue;
        in ? FieldEnter(w.field) : FieldExit(w.field);
    }
    if (watched == TrBarNVir && type != QEvent::MouseButtonPress)
        PanelNVir->setPanelColor(in ? Yellow() : ButtonFace());
    if (watched == GrBoxUgls && type == QEvent::MouseButtonPress) commands_->MarkModifiedByClick();
    return QDialog::eventFilter(watched, event);
}

}  // namespace zul
