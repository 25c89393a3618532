#pragma once

#include "platform/ColourValue.h"

namespace corvane {

// The colours the desktop's style gives the parts of windows.
enum class SystemColour {
    ButtonFace,  // dialogs and buttons
    Menu,        // menus
    WindowText,  // text on windows
    ScrollBar,   // the track of scroll bars
    ToolTip,     // the background of tips
};

// The colour the running application's style gives the part (its palette).
RgbColour GetSystemColour(SystemColour part);

}  // namespace corvane
