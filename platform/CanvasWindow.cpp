#include "platform/CanvasWindow.h"

#include "platform/Application.h"
#include "platform/ChildWindow.h"
#include "platform/DeviceContext.h"
#include "platform/internal/CanvasWidget.h"
#include "platform/internal/PaintDeviceContext.h"
#include "platform/internal/ToolkitCursor.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QToolTip>

namespace corvane {

// ---------------------------------------------------------------- toolkit keys

int KeyFromToolkit(int toolkitKey)
{
    if ((toolkitKey >= Qt::Key_A && toolkitKey <= Qt::Key_Z) || (toolkitKey >= Qt::Key_0 && toolkitKey <= Qt::Key_9))
        return toolkitKey;  // the same codes as the characters
    if (toolkitKey >= Qt::Key_F1 && toolkitKey <= Qt::Key_F12)
        return key_code::kF1 + (toolkitKey - Qt::Key_F1);
    switch (toolkitKey) {
    case Qt::Key_Backspace: return key_code::kBackspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return key_code::kTab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return key_code::kReturn;
    case Qt::Key_Shift: return key_code::kShift;
    case Qt::Key_Control: return key_code::kControl;
    case Qt::Key_Alt: return key_code::kAlt;
    case Qt::Key_Escape: return key_code::kEscape;
    case Qt::Key_Space: return key_code::kSpace;
    case Qt::Key_PageUp: return key_code::kPageUp;
    case Qt::Key_PageDown: return key_code::kPageDown;
    case Qt::Key_End: return key_code::kEnd;
    case Qt::Key_Home: return key_code::kHome;
    case Qt::Key_Left: return key_code::kLeft;
    case Qt::Key_Up: return key_code::kUp;
    case Qt::Key_Right: return key_code::kRight;
    case Qt::Key_Down: return key_code::kDown;
    case Qt::Key_Insert: return key_code::kInsert;
    case Qt::Key_Delete: return key_code::kDelete;
    default: return key_code::kUnknown;
    }
}

unsigned KeyModifiersFromToolkit(Qt::KeyboardModifiers modifiers)
{
    unsigned result = key_modifier::kNone;
    if (modifiers.testFlag(Qt::ShiftModifier))
        result |= key_modifier::kShift;
    if (modifiers.testFlag(Qt::ControlModifier))
        result |= key_modifier::kCtrl;
    if (modifiers.testFlag(Qt::AltModifier))
        result |= key_modifier::kAlt;
    return result;
}

namespace {

KeyEvent ToKeyEvent(const QKeyEvent* event)
{
    KeyEvent key;
    key.key = KeyFromToolkit(event->key());
    key.modifiers = KeyModifiersFromToolkit(event->modifiers());
    key.autoRepeat = event->isAutoRepeat();
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint())
        key.text = text.toStdString();
    return key;
}

}  // namespace

// ---------------------------------------------------------------- CanvasImpl

CanvasImpl::CanvasImpl(CanvasWindow& window) : owner(window)
{
    canvas = new CanvasWidget(*this, nullptr);
    top = canvas.data();
}

CanvasImpl::~CanvasImpl() { Detach(); }

void CanvasImpl::Detach()
{
    detached = true;
    // The top widget holds the canvas (or is it); a container parented
    // elsewhere goes with its parent unless deleted here first.
    delete top.data();
    delete canvas.data();
}

void CanvasImpl::SetTop(QWidget* container)
{
    if (container == nullptr || container == top)
        return;
    top = container;
}

// -------------------------------------------------------------- CanvasWidget

CanvasWidget::CanvasWidget(CanvasImpl& impl, QWidget* parent) : QWidget(parent), impl_(impl)
{
    // Every paint covers what it repaints (an erase or the window's own
    // drawing), so the toolkit neither fills nor clears first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // The context menu follows the right button's release (see mouseReleaseEvent).
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void CanvasWidget::PaintOn(QPaintDevice& device, const QRegion* region)
{
    internal::PaintDeviceContext dc(device, region);
    if (impl_.erasePending) {
        impl_.erasePending = false;
        const int saved = dc.Save();
        impl_.CallErase(dc);
        dc.Restore(saved);
    }
    impl_.CallPaint(dc);
}

bool CanvasWidget::event(QEvent* event)
{
    if (impl_.detached)
        return QWidget::event(event);
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const Point at{help->pos().x(), help->pos().y()};
        impl_.toolTip.clear();
        for (const auto& [id, rect] : impl_.tools) {
            if (!rect.Contains(at))
                continue;
            std::string text = impl_.CallToolTipText(id);
            if (impl_.detached || text.empty())
                break;
            impl_.toolTip = std::move(text);
            QToolTip::showText(help->globalPos(), TextToToolkit(impl_.toolTip), this,
                QRect(rect.left, rect.top, rect.Width(), rect.Height()));
            return true;
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    // Tab goes to the window as a key, not to the focus chain.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QWidget::event(event);
}

void CanvasWidget::paintEvent(QPaintEvent* event)
{
    if (impl_.detached)
        return;
    PaintOn(*this, &event->region());
}

MouseEvent CanvasWidget::ToMouseEvent(const QMouseEvent* event) const
{
    MouseEvent mouse;
    switch (event->button()) {
    case Qt::LeftButton: mouse.button = MouseButton::Left; break;
    case Qt::RightButton: mouse.button = MouseButton::Right; break;
    case Qt::MiddleButton: mouse.button = MouseButton::Middle; break;
    default: mouse.button = MouseButton::None; break;
    }
    const QPoint at = event->position().toPoint();
    mouse.point = {at.x(), at.y()};
    const Qt::MouseButtons held = event->buttons();
    if (held.testFlag(Qt::LeftButton))
        mouse.flags |= mouse_flag::kLeft;
    if (held.testFlag(Qt::RightButton))
        mouse.flags |= mouse_flag::kRight;
    if (held.testFlag(Qt::MiddleButton))
        mouse.flags |= mouse_flag::kMiddle;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers.testFlag(Qt::ShiftModifier))
        mouse.flags |= mouse_flag::kShift;
    if (modifiers.testFlag(Qt::ControlModifier))
        mouse.flags |= mouse_flag::kCtrl;
    if (modifiers.testFlag(Qt::AltModifier))
        mouse.flags |= mouse_flag::kAlt;
    return mouse;
}

bool CanvasWidget::NotifyParent(std::uint32_t mouseEvent, QPoint at)
{
    if (!impl_.notifyParent)
        return true;
    const QPoint inParent = mapToParent(at);
    const QPointer<CanvasWidget> self(this);
    Application::Instance().SendMessage(impl_.notifyParent, kParentNotifyMessage,
        PackParentNotifyWParam(mouseEvent, impl_.owner.Handle()), PackParentNotifyPoint({inParent.x(), inParent.y()}));
    return self != nullptr && !impl_.detached;
}

void CanvasWidget::mousePressEvent(QMouseEvent* event)
{
    if (impl_.detached)
        return;
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
        const std::uint32_t notice
            = event->button() == Qt::LeftButton ? kParentNotifyLeftButtonDown : kParentNotifyRightButtonDown;
        if (!NotifyParent(notice, event->position().toPoint()))
            return;
    }
    if (focusPolicy() != Qt::NoFocus && !hasFocus())
        setFocus(Qt::MouseFocusReason);
    impl_.CallMouseDown(ToMouseEvent(event));
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (impl_.detached)
        return;
    const MouseEvent mouse = ToMouseEvent(event);
    impl_.CallMouseUp(mouse);
    // The handler may have destroyed the window along with this widget's owner.
    if (!impl_.detached && mouse.button == MouseButton::Right)
        impl_.CallContextMenu(mouse.point);
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (impl_.detached || !NotifyParent(kParentNotifyMouseMove, event->position().toPoint()))
        return;
    impl_.CallMouseMove(ToMouseEvent(event));
}

void CanvasWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!impl_.detached)
        impl_.CallDoubleClick(ToMouseEvent(event));
}

void CanvasWidget::keyPressEvent(QKeyEvent* event)
{
    if (impl_.detached)
        return;
    if (event->key() == Qt::Key_Menu) {
        const QPoint at = mapFromGlobal(QCursor::pos());
        impl_.CallContextMenu(rect().contains(at) ? Point{at.x(), at.y()} : Point{width() / 2, height() / 2});
        return;
    }
    impl_.CallKeyDown(ToKeyEvent(event));
}

void CanvasWidget::keyReleaseEvent(QKeyEvent* event)
{
    if (!impl_.detached)
        impl_.CallKeyUp(ToKeyEvent(event));
}

void CanvasWidget::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    if (!impl_.detached)
        impl_.CallSetFocus();
}

void CanvasWidget::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    if (!impl_.detached)
        impl_.CallKillFocus();
}

void CanvasWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (impl_.detached)
        return;
    // What was never drawn has to be erased.
    impl_.erasePending = true;
    impl_.CallSize({width(), height()});
}

// -------------------------------------------------------------- CanvasWindow

CanvasWindow::CanvasWindow() : canvas_(std::make_unique<CanvasImpl>(*this)) {}

CanvasWindow::~CanvasWindow() { canvas_->Detach(); }

Rect CanvasWindow::ClientRect() const
{
    const CanvasWidget* w = canvas_->canvas;
    return w != nullptr ? Rect{0, 0, w->width(), w->height()} : Rect{};
}

bool CanvasWindow::IsVisible() const { return canvas_->canvas != nullptr && canvas_->canvas->isVisible(); }

void CanvasWindow::Invalidate(bool erase)
{
    if (canvas_->canvas == nullptr)
        return;
    if (erase)
        canvas_->erasePending = true;
    canvas_->canvas->update();
}

void CanvasWindow::InvalidateRect(const Rect& rect, bool erase)
{
    const Rect r = rect.Normalized();
    if (canvas_->canvas == nullptr || r.IsEmpty())
        return;
    if (erase)
        canvas_->erasePending = true;
    canvas_->canvas->update(QRect(r.left, r.top, r.Width(), r.Height()));
}

void CanvasWindow::UpdateWindow()
{
    if (canvas_->canvas != nullptr && canvas_->canvas->isVisible())
        canvas_->canvas->repaint();
}

Bitmap CanvasWindow::RenderToBitmap()
{
    const Size size = ClientSize();
    if (size.width <= 0 || size.height <= 0)
        return {};
    Bitmap picture(size.width, size.height);
    {
        MemoryContext dc(picture);
        const int saved = dc.Save();
        OnEraseBackground(dc);
        dc.Restore(saved);
        OnPaint(dc);
        // Child windows in stacking order, bottom first, each clipped to
        // this window by the picture's bounds.
        if (const CanvasWidget* self = canvas_->canvas) {
            for (QObject* object : self->children()) {
                auto* child = dynamic_cast<CanvasWidget*>(object);
                if (child == nullptr || child->isHidden())
                    continue;
                const Bitmap childPicture = child->Owner().RenderToBitmap();
                if (childPicture.Width() > 0)
                    dc.CopyBitmap({child->x(), child->y()}, childPicture,
                        {0, 0, childPicture.Width(), childPicture.Height()});
            }
        }
    }
    return picture;
}

void CanvasWindow::SetBackgroundColour(RgbColour colour)
{
    canvas_->background = colour;
    Invalidate(true);
}

Point CanvasWindow::ClientToScreen(Point point) const
{
    if (canvas_->canvas == nullptr)
        return point;
    const QPoint p = canvas_->canvas->mapToGlobal(QPoint(point.x, point.y));
    return {p.x(), p.y()};
}

Point CanvasWindow::ScreenToClient(Point point) const
{
    if (canvas_->canvas == nullptr)
        return point;
    const QPoint p = canvas_->canvas->mapFromGlobal(QPoint(point.x, point.y));
    return {p.x(), p.y()};
}

void CanvasWindow::SetCapture()
{
    CanvasWidget* w = canvas_->canvas;
    if (w == nullptr)
        return;
    canvas_->capture = true;
    if (w->isVisible())
        w->grabMouse();
}

void CanvasWindow::ReleaseCapture()
{
    if (!canvas_->capture)
        return;
    canvas_->capture = false;
    if (CanvasWidget* w = canvas_->canvas; w != nullptr && QWidget::mouseGrabber() == w)
        w->releaseMouse();
}

bool CanvasWindow::HasCapture() const { return canvas_->capture; }

void CanvasWindow::SetCursor(const Cursor& cursor)
{
    if (canvas_->canvas == nullptr || cursor == canvas_->cursor)
        return;
    canvas_->cursor = cursor;
    canvas_->canvas->setCursor(internal::ToToolkitCursor(cursor));
}

const Cursor& CanvasWindow::CurrentCursor() const { return canvas_->cursor; }

void CanvasWindow::AddToolTip(int toolId, const Rect& rect) { canvas_->tools[toolId] = rect.Normalized(); }

void CanvasWindow::RemoveToolTip(int toolId) { canvas_->tools.erase(toolId); }

void CanvasWindow::ClearToolTips() { canvas_->tools.clear(); }

void CanvasWindow::SetFocus()
{
    if (canvas_->canvas != nullptr)
        canvas_->canvas->setFocus(Qt::OtherFocusReason);
}

bool CanvasWindow::HasFocus() const { return canvas_->canvas != nullptr && canvas_->canvas->hasFocus(); }

std::intptr_t CanvasWindow::OnMessage(Message& message)
{
    if (message.id == kTimerMessage)
        OnTimer(static_cast<std::uint32_t>(message.wParam));
    return 0;
}

bool CanvasWindow::OnEraseBackground(DeviceContext& dc)
{
    dc.FillRect(ClientRect(), SolidBrush(canvas_->background));
    return true;
}

void CanvasWindow::OnPaint(DeviceContext&) {}
void CanvasWindow::OnMouseDown(const MouseEvent&) {}
void CanvasWindow::OnMouseUp(const MouseEvent&) {}
void CanvasWindow::OnMouseMove(const MouseEvent&) {}
void CanvasWindow::OnDoubleClick(const MouseEvent&) {}
void CanvasWindow::OnKeyDown(const KeyEvent&) {}
void CanvasWindow::OnKeyUp(const KeyEvent&) {}
void CanvasWindow::OnContextMenu(Point) {}
std::string CanvasWindow::OnToolTipText(int) { return {}; }
void CanvasWindow::OnTimer(std::uint32_t) {}
void CanvasWindow::OnSize(Size) {}
void CanvasWindow::OnSetFocus() {}
void CanvasWindow::OnKillFocus() {}

}  // namespace corvane
