#pragma once

#include "platform/Geometry.h"
#include "platform/SettingsStore.h"

#include <string_view>

namespace corvane {

// Where a main window was: its rectangle when neither maximized nor
// minimized (screen coordinates of its client area), and whether it was
// maximized (or minimized) at the time.
struct WindowPlacement {
    Rect normal;
    bool maximized = false;
    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// The placement kept under a settings key as the strings WindowPosX,
// WindowPosY, WindowPosWidth, WindowPosHeight (decimal) and
// WindowPosMaximized ("1" or "0"); "1" maximizes. A number that is
// missing, a width or height that is not positive, or a rectangle reaching
// past the range of int leaves the normal rectangle empty and the placement
// maximized. Numbers are read as far as they are digits ("120px" is 120,
// "x" is 0), and kept within the range of int.
WindowPlacement LoadWindowPlacement(const SettingsStore& settings, std::string_view keyPath);
// Writes the five values, creating the key when needed.
SettingsError SaveWindowPlacement(SettingsStore& settings, std::string_view keyPath, const WindowPlacement& placement);

}  // namespace corvane
