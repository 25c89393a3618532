#pragma once

#include "platform/Bitmap.h"

namespace corvane {

// The program's icon: a chart trace on a dark badge, drawn at any size,
// on magenta where it is see-through.
Bitmap MakeProgramIcon(int size);

}  // namespace corvane
