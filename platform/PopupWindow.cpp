#include "platform/PopupWindow.h"

#include "platform/internal/CanvasWidget.h"
#include "platform/internal/DrawingData.h"

namespace corvane {

PopupWindow::PopupWindow()
{
    CanvasWidget* canvas = Canvas().canvas;
    canvas->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    canvas->setAttribute(Qt::WA_ShowWithoutActivating);
    canvas->setFocusPolicy(Qt::NoFocus);
    canvas->hide();
}

PopupWindow::~PopupWindow() { Canvas().Detach(); }

void PopupWindow::SetShape(const Region& shape)
{
    shape_ = shape;
    CanvasWidget* canvas = Canvas().canvas;
    if (canvas == nullptr)
        return;
    if (shape_.IsEmpty())
        canvas->clearMask();
    else
        canvas->setMask(shape_.Data().region);
    Invalidate(true);
}

void PopupWindow::ShowAt(const Rect& screenRect)
{
    CanvasWidget* canvas = Canvas().canvas;
    const Rect r = screenRect.Normalized();
    if (canvas == nullptr || r.IsEmpty())
        return;
    canvas->setGeometry(r.left, r.top, r.Width(), r.Height());
    canvas->show();
    canvas->raise();
}

void PopupWindow::Hide()
{
    if (CanvasWidget* canvas = Canvas().canvas)
        canvas->hide();
}

Rect PopupWindow::ScreenRect() const
{
    const CanvasWidget* canvas = Canvas().canvas;
    return canvas != nullptr && canvas->isVisible() ? FromQRect(canvas->geometry()) : Rect{};
}

}  // namespace corvane
