// TFormVirStrings: the handlers. Each one hands its command to the list model or its file
// commands and shows the list as they left it.
#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>

#include "app/Calculator.h"
#include "app/window/WindowFactory.h"
#include "lists/window/UVichStr.h"
#include "platform/FaultGuard.h"
#include "platform/Platform.h"
#include "widgets/Panels.h"
#include "widgets/QtText.h"
#include "widgets/StringGrid.h"
#include "widgets/WindowHelp.h"

namespace zul {

namespace {

// How often a long "Вычислить все" lets the window repaint.
constexpr int kRepaintIntervalMs = 50;

}  // namespace

void TFormVirStrings::RunListCommand(const std::function<void()>& command) {
    if (computing_) return;
    StrGridVir->CommitEdit();
    command();
    ShowList();
}

void TFormVirStrings::ShowList() {
    StrGridVir->Reload();
    StrGridVir->SetColumnWidths(list_.ColumnWidths());
    // The view follows the model's current cell; the captions follow the model, which
    // keeps their base texts until a cell is selected.
    StrGridVir->SetCurrentCell(list_.CurrentRow(), list_.CurrentColumn(), false);
    ShowCurrentLine();
    ShowFileState();
}

void TFormVirStrings::ShowCurrentLine() {
    BBtnDec->setText(ToQ(list_.DeleteButtonCaption()));
    BBtnDec->setEnabled(list_.DeleteEnabled());
    StrGridVir->SetHeader(kColumnExpression, ToQ(list_.ExpressionHeader()));
    const bool off = list_.CurrentLineOff();
    SpButOn->setVisible(!off);
    SpButOff->setVisible(off);
}

void TFormVirStrings::ShowFileState() {
    PanIzmSohr->setText(ToQ(std::string(IndicatorText(list_.Indicator()))));
    const bool fileOpen = list_.FileOpen();
    EditNameF->setText(ToQ(list_.Path()));
    EditNameF->setCursorPosition(0);
    EditNameF->setVisible(fileOpen);
    // SetListMenuState; the tool buttons stay as they are.
    NOpen->setEnabled(!fileOpen);
    NSave->setEnabled(true);
    NClose->setEnabled(fileOpen);
    NErase->setEnabled(fileOpen);
}

void TFormVirStrings::StrGridVirSelectCell(int row, int column) {
    list_.SelectCell(row, column);
    ShowCurrentLine();
}

void TFormVirStrings::VirOpenClick() {
    RunListCommand([this] { files_.OpenListFile(); });
}
void TFormVirStrings::VirSaveClick() {
    RunListCommand([this] { files_.SaveListFile(); });
}
void TFormVirStrings::VirSaveAsClick() {
    RunListCommand([this] { files_.SaveListFileAs(); });
}
void TFormVirStrings::VirCloseClick() {
    RunListCommand([this] { files_.CloseListFile(); });
}
void TFormVirStrings::VirEraseClick() {
    RunListCommand([this] { files_.DeleteListFile(); });
}

void TFormVirStrings::VichTekStrClick() {
    RunListCommand([this] {
        const EvalContext context = calc_.settings.MakeEvalContext();
        RunGuarded(platform_, [&] { list_.ComputeCurrentLine(platform_, context); });
    });
}

void TFormVirStrings::VichAllClick() {
    RunListCommand([this] {
        computing_ = true;
        QElapsedTimer sinceRepaint;
        sinceRepaint.start();
        ListProgress progress;
        progress.show = [this](int maximum) {
            PanCloseWin->hide();
            ProgBarV->setRange(0, maximum);
            ProgBarV->setValue(0);
            ProgBarV->show();
        };
        // A long list must not freeze the window: it repaints now and then while the
        // keyboard and the mouse wait until the pass has ended.
        progress.step = [this, &sinceRepaint](int position) {
            if (sinceRepaint.elapsed() < kRepaintIntervalMs) return;
            ProgBarV->setValue(position);
            StrGridVir->SetCurrentCell(position, list_.CurrentColumn(), false);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            sinceRepaint.restart();
        };
        progress.hide = [this] { ProgBarV->hide(); };
        const EvalContext context = calc_.settings.MakeEvalContext();
        platform_.SetBusyCursor(true);
        RunGuarded(platform_, [&] { list_.ComputeAll(context, progress); });
        platform_.SetBusyCursor(false);
        computing_ = false;
    });
}

void TFormVirStrings::SpButUpClick() {
    RunListCommand([this] { list_.MoveUp(); });
}
void TFormVirStrings::SpButDownClick() {
    RunListCommand([this] { list_.MoveDown(); });
}
void TFormVirStrings::BBtnIncClick() {
    RunListCommand([this] { list_.InsertLine(); });
}
void TFormVirStrings::BBtnTirajClick() {
    RunListCommand([this] { list_.CopyLine(); });
}
void TFormVirStrings::BBtnDecClick() {
    RunListCommand([this] { list_.DeleteLine(platform_); });
}
void TFormVirStrings::SpButOnClick() {
    RunListCommand([this] { list_.SwitchOff(); });
}
void TFormVirStrings::SpButOffClick() {
    RunListCommand([this] { list_.SwitchOn(); });
}

void TFormVirStrings::reject() {
    if (computing_) return;
    StrGridVir->CommitEdit();
    const bool closes = files_.MayCloseWindow();
    ShowList();
    if (closes) QDialog::reject();
}

void TFormVirStrings::SpButOptClick() {
    if (computing_) return;
    StrGridVir->CommitEdit();
    windows_.Show(WindowKind::Options, this);
}

void TFormVirStrings::NHelpFuncClick() { windows_.Show(WindowKind::FunctionList, this); }
void TFormVirStrings::NHelpEdIzmClick() { windows_.Show(WindowKind::UnitReference, this); }
void TFormVirStrings::NHelpAboutClick() { windows_.Show(WindowKind::About, this); }

void TFormVirStrings::ShowBanner(const QString& text, const QColor& textColor, const QColor& background) {
    PanCloseWin->showBanner(text, textColor, background);
}

void TFormVirStrings::HideBanner(const QString& text) {
    PanCloseWin->setText(text);
    PanCloseWin->hide();
}

void TFormVirStrings::BBtnHelpClick() { OpenWindowHelp(help_, platform_); }

}  // namespace zul
