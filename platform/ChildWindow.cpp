#include "platform/ChildWindow.h"

#include "platform/Application.h"
#include "platform/internal/CanvasWidget.h"
#include "platform/internal/DrawingData.h"

#include <QObject>

#include <algorithm>

namespace corvane {

std::uintptr_t PackParentNotifyWParam(std::uint32_t event, WindowHandle child)
{
    return (static_cast<std::uintptr_t>(event) & 0xFFFF) | (static_cast<std::uint64_t>(child.value) << 32);
}

std::intptr_t PackParentNotifyPoint(Point point)
{
    const auto x = static_cast<std::uint32_t>(static_cast<std::uint16_t>(point.x));
    const auto y = static_cast<std::uint32_t>(static_cast<std::uint16_t>(point.y));
    return static_cast<std::intptr_t>(x | (y << 16));
}

ParentNotification UnpackParentNotification(std::uintptr_t wParam, std::intptr_t lParam)
{
    ParentNotification notice;
    notice.event = static_cast<std::uint32_t>(wParam & 0xFFFF);
    notice.child = WindowHandle{static_cast<std::uint32_t>(static_cast<std::uint64_t>(wParam) >> 32)};
    const auto bits = static_cast<std::uint32_t>(lParam);
    notice.point = {static_cast<std::int16_t>(bits & 0xFFFF), static_cast<std::int16_t>(bits >> 16)};
    return notice;
}

struct ChildWindowImpl {
    WindowHandle parent;
    QMetaObject::Connection gone;
};

ChildWindow::ChildWindow(WindowHandle parent, const Rect& placement) : child_(std::make_unique<ChildWindowImpl>())
{
    child_->parent = parent;
    auto* parentWindow = dynamic_cast<CanvasWindow*>(App().FindWindow(parent));
    CanvasWidget* parentCanvas = parentWindow != nullptr ? parentWindow->Canvas().canvas.data() : nullptr;
    if (parentCanvas == nullptr || parentWindow == this) {
        Destroy();
        return;
    }
    CanvasImpl& impl = Canvas();
    impl.notifyParent = parent;
    CanvasWidget* canvas = impl.canvas;
    canvas->setParent(parentCanvas);
    canvas->setFocusPolicy(Qt::ClickFocus);
    // When the parent's widgets go, this window goes with them.
    const WindowHandle own = Handle();
    Application* app = &App();
    CanvasImpl* implPointer = &impl;
    child_->gone = QObject::connect(canvas, &QObject::destroyed, [app, own, implPointer] {
        implPointer->detached = true;
        app->UnregisterWindow(own);
    });
    MoveTo(placement);
    canvas->show();
}

ChildWindow::~ChildWindow()
{
    QObject::disconnect(child_->gone);
    Canvas().Detach();
}

WindowHandle ChildWindow::Parent() const { return child_->parent; }

bool ChildWindow::IsAlive() const { return Canvas().canvas != nullptr && App().IsWindow(Handle()); }

Rect ChildWindow::Placement() const
{
    const CanvasWidget* canvas = Canvas().canvas;
    return IsAlive() ? FromQRect(canvas->geometry()) : Rect{};
}

void ChildWindow::MoveTo(const Rect& placement)
{
    if (!IsAlive())
        return;
    const Rect r = placement.Normalized();
    Canvas().canvas->setGeometry(r.left, r.top, std::max(0, r.Width()), std::max(0, r.Height()));
}

void ChildWindow::Show(bool show)
{
    if (IsAlive())
        Canvas().canvas->setVisible(show);
}

bool ChildWindow::IsShown() const { return IsAlive() && !Canvas().canvas->isHidden(); }

void ChildWindow::BringToTop()
{
    if (IsAlive())
        Canvas().canvas->raise();
}

void ChildWindow::SendToBottom()
{
    if (IsAlive())
        Canvas().canvas->lower();
}

void ChildWindow::Destroy()
{
    QObject::disconnect(child_->gone);
    CanvasImpl& impl = Canvas();
    impl.detached = true;
    App().UnregisterWindow(Handle());
    // The parent may destroy the child while told of a press on it, inside
    // the child widget's own event: the widgets go once that event is over.
    if (impl.canvas != nullptr) {
        impl.canvas->hide();
        impl.canvas->deleteLater();
    }
}

}  // namespace corvane
