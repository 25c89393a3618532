#pragma once

#include "platform/Geometry.h"

namespace corvane {

enum class MouseButton { None, Left, Right, Middle };

// The buttons held and the modifier keys down when a mouse message came.
namespace mouse_flag {
inline constexpr unsigned kLeft = 0x01;
inline constexpr unsigned kRight = 0x02;
inline constexpr unsigned kShift = 0x04;
inline constexpr unsigned kCtrl = 0x08;
inline constexpr unsigned kMiddle = 0x10;
inline constexpr unsigned kAlt = 0x20;
}  // namespace mouse_flag

// A mouse message: the button that went down or up (None for moves), the
// point in client coordinates (outside the client area while the window
// holds the mouse) and the mouse_flag bits.
struct MouseEvent {
    MouseButton button = MouseButton::None;
    Point point;
    unsigned flags = 0;

    bool Shift() const { return (flags & mouse_flag::kShift) != 0; }
    bool Ctrl() const { return (flags & mouse_flag::kCtrl) != 0; }
};

}  // namespace corvane
