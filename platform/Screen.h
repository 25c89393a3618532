#pragma once

#include "platform/Geometry.h"
#include "platform/Message.h"

namespace corvane {

// The rectangle that all screens together cover, in screen coordinates.
Rect VirtualScreenRect();

// The window the program draws itself (a view, a tool or pop-up window)
// that shows at a screen point; an empty handle over anything else.
WindowHandle WindowFromScreenPoint(Point screenPoint);

}  // namespace corvane
