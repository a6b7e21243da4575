// What the window tests share: the QApplication, a start directory of their own, the
// calculator with a scripted platform and the six lasting windows.
#pragma once

#include <QObject>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

#include "app/Calculator.h"
#include "platform/ScriptedPlatform.h"
#include "widgets/QtText.h"
#include "app/window/StartUp.h"
#include "app/window/UMain.h"

class QComboBox;

namespace zul {
class CaptionPanel;
}

namespace zul::test {

// A calculator started in an empty temporary folder, with every lasting window created in
// order. Secondary windows are never shown: the window factory's modal runner records them.
class GuiFixture {
public:
    GuiFixture();
    ~GuiFixture();

    // Creates the calculator and the windows; called by the constructor unless a test has
    // to prepare the start directory first (then construct with `false`).
    explicit GuiFixture(bool start);
    void Start();

    std::string Path(const QString& name) const;  // inside the start directory
    void WriteFile(const QString& name, const QByteArray& bytes) const;
    QByteArray ReadFile(const QString& name) const;

    TFormFace& face() { return *windows->face; }
    QComboBox* InputLine();  // the main window's CBoxMainStr
    QString InputText();
    void SetInputText(const QString& text);
    void Compute(const QString& text);  // types the text into the input line and presses Enter
    void SelectNode(const QString& nodeText);
    // Shows the main window and makes it active, so that shortcuts and focus work.
    void ShowFace();

    QTemporaryDir dir;
    ScriptedPlatform platform;
    std::unique_ptr<Calculator> calculator;
    std::unique_ptr<ZulWindows> windows;
    std::vector<QString> opened;  // object names of the windows the window factory showed
    BusyIndicator* busy = nullptr;  // handed to the windows by Start()
};

// The object of the window that carries the control name `name` (its objectName). Only
// the window's own objects count, not those of the windows it parents; a missing, ambiguous
// or differently typed control throws, which fails the test with the name in its message.
QObject& FindOwnChild(const QObject& window, const QString& name, const QMetaObject& type);

template <typename T>
T* Child(const QObject& window, const char* name) {
    return static_cast<T*>(&FindOwnChild(window, QString::fromLatin1(name), T::staticMetaObject));
}
template <typename T>
T* Child(const QObject& window, const QString& name) {
    return static_cast<T*>(&FindOwnChild(window, name, T::staticMetaObject));
}

// The field k (1..6) of the insert-formula dialog and the caption panel above it.
QComboBox* InsertField(const QObject& dialog, int k);
CaptionPanel* InsertCaption(const QObject& dialog, int k);

// A JPEG file of a single colour, written with libjpeg.
QByteArray MakeJpeg(int width, int height, unsigned char red, unsigned char green, unsigned char blue);

}  // namespace zul::test
