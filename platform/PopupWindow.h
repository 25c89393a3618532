#pragma once

#include "platform/CanvasWindow.h"
#include "platform/Region.h"

namespace corvane {

// A borderless window over everything else (an information tip): shown
// without taking the focus, and shaped by a region when one is given.
class PopupWindow : public CanvasWindow {
public:
    PopupWindow();  // hidden
    ~PopupWindow() override;

    // The part of the window that shows, in client coordinates; an empty
    // region shows the whole rectangle.
    void SetShape(const Region& shape);
    const Region& Shape() const { return shape_; }
    // Shows the window at the rectangle (screen coordinates), on top,
    // without activating it.
    void ShowAt(const Rect& screenRect);
    void Hide();
    // Where the window is on the screen; empty while hidden.
    Rect ScreenRect() const;

private:
    Region shape_;
};

}  // namespace corvane
