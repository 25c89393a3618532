#pragma once

// Qt side of windows the program draws itself (views, tool windows,
// pop-ups). Included only by platform's own .cpp files.

#include "platform/CanvasWindow.h"
#include "platform/Cursor.h"

#include <QPointer>
#include <QWidget>

#include <map>

namespace corvane {

// Keys and modifiers of the toolkit as the program names them.
int KeyFromToolkit(int toolkitKey);
unsigned KeyModifiersFromToolkit(Qt::KeyboardModifiers modifiers);

inline QString TextToToolkit(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

class CanvasWidget;

// What a CanvasWindow holds of its widgets. The canvas is the drawn client
// area; top is what the window's owner places (the canvas itself, or a
// container holding it with scroll bars). Both clear themselves when their
// widgets go first.
struct CanvasImpl {
    explicit CanvasImpl(CanvasWindow& window);
    ~CanvasImpl();

    CanvasWindow& owner;
    QPointer<CanvasWidget> canvas;
    QPointer<QWidget> top;
    bool erasePending = true;
    bool capture = false;
    bool detached = false;
    RgbColour background{255, 255, 255};
    std::map<int, Rect> tools;
    std::string toolTip;  // the text of the tip shown last, empty when none
    Cursor cursor;
    // For a child window: the parent told of mouse presses and moves on it.
    WindowHandle notifyParent;

    // Stops delivering events to the window and destroys the widgets; the
    // window's destructor calls it first, while the window is still whole.
    void Detach();
    // Makes the container the top widget, with the canvas inside it.
    void SetTop(QWidget* container);

    // Entry points for the widget into the window's protected handlers.
    bool CallErase(DeviceContext& dc) { return owner.OnEraseBackground(dc); }
    void CallPaint(DeviceContext& dc) { owner.OnPaint(dc); }
    void CallMouseDown(const MouseEvent& e) { owner.OnMouseDown(e); }
    void CallMouseUp(const MouseEvent& e) { owner.OnMouseUp(e); }
    void CallMouseMove(const MouseEvent& e) { owner.OnMouseMove(e); }
    void CallDoubleClick(const MouseEvent& e) { owner.OnDoubleClick(e); }
    void CallKeyDown(const KeyEvent& e) { owner.OnKeyDown(e); }
    void CallKeyUp(const KeyEvent& e) { owner.OnKeyUp(e); }
    void CallContextMenu(Point p) { owner.OnContextMenu(p); }
    std::string CallToolTipText(int id) { return owner.OnToolTipText(id); }
    void CallSize(Size s) { owner.OnSize(s); }
    void CallSetFocus() { owner.OnSetFocus(); }
    void CallKillFocus() { owner.OnKillFocus(); }
};

class CanvasWidget final : public QWidget {
public:
    CanvasWidget(CanvasImpl& impl, QWidget* parent);

    // Paints (erase when due, then the window) on a context over the device.
    void PaintOn(QPaintDevice& device, const QRegion* region);
    // The next paint erases first.
    void ErasePending() { impl_.erasePending = true; }
    CanvasWindow& Owner() const { return impl_.owner; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    MouseEvent ToMouseEvent(const QMouseEvent* event) const;
    // Tells a child window's parent of a mouse event at the point; false
    // when the parent's handler destroyed this widget.
    bool NotifyParent(std::uint32_t mouseEvent, QPoint at);

    CanvasImpl& impl_;
};

}  // namespace corvane
