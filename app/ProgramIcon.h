#pragma once

#include "platform/Bitmap.h"
#include "platform/ColourValue.h"

namespace corvane {

// The colour of the see-through pixels of the icons below.
inline constexpr RgbColour kIconKeyColour{255, 0, 255};

// The program's icon: a chart trace on a dark badge, drawn at any size,
// on magenta where it is see-through.
Bitmap MakeProgramIcon(int size);

// The icon of net files: a page with a folded corner that carries the
// program's badge, drawn at any size, on magenta where it is see-through.
Bitmap MakeNetFileIcon(int size);

}  // namespace corvane
