#include "platform/ToolWindow.h"

#include "platform/MdiFrame.h"
#include "platform/internal/CanvasWidget.h"
#include "platform/internal/DrawingData.h"
#include "platform/internal/FrameWidgets.h"

namespace corvane {

ToolWindow::ToolWindow(MdiFrame& owner, std::string_view title)
{
    CanvasWidget* canvas = Canvas().canvas;
    canvas->setParent(owner.Impl().window.get(), Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    canvas->setWindowTitle(TextToToolkit(title));
    canvas->setFocusPolicy(Qt::NoFocus);
    canvas->hide();
    SetBackgroundColour({240, 240, 240});
}

ToolWindow::~ToolWindow() { Canvas().Detach(); }

void ToolWindow::Show(bool show)
{
    if (CanvasWidget* canvas = Canvas().canvas)
        canvas->setVisible(show);
}

bool ToolWindow::IsShown() const { return Canvas().canvas != nullptr && !Canvas().canvas->isHidden(); }

void ToolWindow::SetTitle(std::string_view title)
{
    if (CanvasWidget* canvas = Canvas().canvas)
        canvas->setWindowTitle(TextToToolkit(title));
}

void ToolWindow::SetClientSize(Size size)
{
    if (CanvasWidget* canvas = Canvas().canvas)
        canvas->resize(std::max(1, size.width), std::max(1, size.height));
}

std::string ToolWindow::Title() const
{
    const CanvasWidget* canvas = Canvas().canvas;
    return canvas != nullptr ? canvas->windowTitle().toStdString() : std::string();
}

bool ToolWindow::IsToolStyle() const
{
    const CanvasWidget* canvas = Canvas().canvas;
    return canvas != nullptr && canvas->windowType() == Qt::Tool;
}

bool ToolWindow::HasCaptionButtons() const
{
    const CanvasWidget* canvas = Canvas().canvas;
    if (canvas == nullptr)
        return false;
    const Qt::WindowFlags flags = canvas->windowFlags();
    // Without the customise hint the window manager puts its usual buttons on.
    return !flags.testFlag(Qt::CustomizeWindowHint)
        || (flags & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint | Qt::WindowSystemMenuHint)) != 0;
}

Rect ToolWindow::WindowRect() const
{
    const CanvasWidget* canvas = Canvas().canvas;
    return canvas != nullptr ? FromQRect(canvas->frameGeometry()) : Rect{};
}

void ToolWindow::MoveTo(Point screenTopLeft)
{
    if (CanvasWidget* canvas = Canvas().canvas)
        canvas->move(screenTopLeft.x, screenTopLeft.y);
}

void ToolWindow::MoveBy(int dx, int dy)
{
    const Rect r = WindowRect();
    MoveTo({r.left + dx, r.top + dy});
}

void ToolWindow::OnPaint(DeviceContext&) {}

}  // namespace corvane
