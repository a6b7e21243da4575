// Small widgets shared by the windows: a caption panel that reports clicks, the speed and
// glyph buttons, and the helpers that give every window the same fonts, colours and hints.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;
class QAction;
class QEvent;
class QFrame;
class QPushButton;
class QTimer;
class QToolButton;

namespace zul {

// A panel with a caption: a framed label that can be clicked and double-clicked.
class CaptionPanel : public QLabel {
    Q_OBJECT
public:
    explicit CaptionPanel(QWidget* parent = nullptr);

    // Background of the panel; the button-face colour when invalid.
    void setPanelColor(const QColor& color);
    QColor panelColor() const { return color_; }
    void setTextColor(const QColor& color);
    // Shows the panel as a banner: the text in its colours.
    void showBanner(const QString& text, const QColor& textColor, const QColor& background);

signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void applyColors();
    QColor color_;
    QColor textColor_;
};

// The frame of the secondary windows: a title with the system menu and a close button only.
inline Qt::WindowFlags DialogFlags() {
    return Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
}

// Keeps a window's timer running only while the window is the active one; called from
// changeEvent. True when this event started the timer.
bool RunTimerWhileActive(const QWidget* window, const QEvent* event, QTimer* timer);

// The colours that the windows use as focus cues.
inline QColor Yellow() { return QColor(255, 255, 0); }
inline QColor Red() { return QColor(255, 0, 0); }
inline QColor Lime() { return QColor(0, 255, 0); }
QColor ButtonFace();

// Bold "Times New Roman" with the character height in pixels, as the windows set it:
// 10 points = 13 px, 11 points = 15 px, 12 points = 16 px.
QFont TimesBold(int pixelHeight);

// The size of the primary screen; 800 x 600 when there is none.
QSize DesktopSize();
// A desktop larger in area than 800 x 600: some texts then take a larger font.
bool LargeDesktop();

// Gives a control its hint both as tooltip and as status tip (the status tip feeds the
// application's hint handler).
void SetHint(QWidget* widget, const QString& hint);
void SetHint(QAction* action, const QString& hint);

// A speed button of a tool panel: a flat square button with a 19-pixel glyph that never
// takes the focus.
QToolButton* SpeedButton(QWidget* parent, const char* name, QPoint topLeft, const QIcon& icon, int size = 26);

// A button with a glyph that Enter never presses: in these windows Enter belongs to the
// focused control (a grid's cell editor, an input line) or to the window's own command.
QPushButton* BitButton(QWidget* parent, const char* name, const QRect& geometry, const QIcon& icon);

// The thin lime line that closes a window's area, 6 pixels high across the given width.
QFrame* LimeLine(QWidget* parent, const char* name, int top, int width);

// The object name, set from the system's control name.
template <typename T>
T* Named(T* object, const char* name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

}  // namespace zul
