#pragma once

#include "platform/CanvasWindow.h"

#include <string>
#include <string_view>

namespace corvane {

class MdiFrame;

// A small window that floats over the main frame (a palette): it stays
// above it, hides with it, has a narrow title bar without a close button,
// and draws itself. It does not follow the frame by itself: the frame's
// OnMove tells its child frames, which move their tool windows.
class ToolWindow : public CanvasWindow {
public:
    // Hidden until shown.
    explicit ToolWindow(MdiFrame& owner, std::string_view title = {});
    ~ToolWindow() override;

    void Show(bool show);
    bool IsShown() const;
    void SetTitle(std::string_view title);
    std::string Title() const;
    // Whether the window manager is asked for a tool window's frame, and
    // whether that frame offers any of the close, minimise and maximise buttons.
    bool IsToolStyle() const;
    bool HasCaptionButtons() const;
    // The size of the drawn area; the window's frame comes around it.
    void SetClientSize(Size size);
    // The whole window, title bar included, on the screen.
    Rect WindowRect() const;
    void MoveTo(Point screenTopLeft);
    void MoveBy(int dx, int dy);

protected:
    void OnPaint(DeviceContext& dc) override;
};

}  // namespace corvane
