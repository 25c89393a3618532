#pragma once

#include "platform/CanvasWindow.h"

#include <cstdint>
#include <memory>

namespace corvane {

struct ChildWindowImpl;

// Sent to the parent of a child window when the mouse acts on the child,
// before the child handles it. wParam: the event (low 16 bits) and the
// child's handle (bits 32 to 63); lParam: the point in the parent's client
// coordinates, x in the low 16 bits and y in the next 16, each signed.
constexpr MessageId kParentNotifyMessage = 0x0210;
constexpr std::uint32_t kParentNotifyMouseMove = 512;
constexpr std::uint32_t kParentNotifyLeftButtonDown = 513;
constexpr std::uint32_t kParentNotifyRightButtonDown = 516;

struct ParentNotification {
    std::uint32_t event = 0;
    WindowHandle child;
    Point point;
};
std::uintptr_t PackParentNotifyWParam(std::uint32_t event, WindowHandle child);
std::intptr_t PackParentNotifyPoint(Point point);
ParentNotification UnpackParentNotification(std::uintptr_t wParam, std::intptr_t lParam);

// A canvas inside another window's client area (a control that a run-time
// library makes inside a view): placed and sized in the parent's client
// coordinates, clipped to the parent, stacked among the parent's other
// children (a newer child on top), drawn into the parent's picture
// (RenderToBitmap), and destroyed with the parent: once the parent goes,
// the child's handle is no longer a window and every call does nothing.
class ChildWindow : public CanvasWindow {
public:
    // Made shown at the rectangle inside the window of that handle; when the
    // handle names no window the program draws itself, the child is made
    // already destroyed (IsAlive() false).
    ChildWindow(WindowHandle parent, const Rect& placement);
    ~ChildWindow() override;

    WindowHandle Parent() const;
    // False once the child or its parent has been destroyed.
    bool IsAlive() const;
    // The rectangle in the parent's client coordinates; empty once destroyed.
    Rect Placement() const;
    void MoveTo(const Rect& placement);
    void Show(bool show);
    bool IsShown() const;
    // Stacking among the parent's children.
    void BringToTop();
    void SendToBottom();
    // Destroys the child's window: its handle goes and it stops showing at
    // once (also from the parent's handler of a notification); the object stays.
    void Destroy();

private:
    std::unique_ptr<ChildWindowImpl> child_;
};

}  // namespace corvane
