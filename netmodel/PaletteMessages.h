#pragma once

#include "platform/Geometry.h"
#include "platform/Message.h"

namespace corvane {

// The palette posts this to its target view when a cell is dropped on it:
// wParam the cell (0..47), the payload the drop point in the view's
// client coordinates (a ValuePayload<Point>, owned by the receiver).
inline constexpr MessageId kPaletteDropMessage = 0x8065;
using PaletteDropPayload = ValuePayload<Point>;

}  // namespace corvane
