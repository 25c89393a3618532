#pragma once

#include "platform/ColourValue.h"
#include "platform/Geometry.h"

#include <span>

namespace corvane {

// A toolbar's resource table: the strip of button pictures (a bitmap of the
// program's catalogue holding one picture per button, side by side, in the
// order of the buttons) and the buttons' command ids, where
// kToolBarSeparator stands for a gap between groups. Buttons and separators
// follow each other as listed; separators take no picture.
inline constexpr int kToolBarSeparator = 0;

struct ToolBarTemplate {
    int id = 0;
    int bitmapId = 0;                // the strip in the bitmap catalogue
    Size buttonSize{16, 15};         // one picture of the strip
    std::span<const int> buttons;    // command ids, kToolBarSeparator for gaps
    RgbColour transparent{255, 0, 255};  // strip pixels of this colour are see-through
};

}  // namespace corvane
