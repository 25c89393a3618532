#pragma once

#include "res/PicturePainter.h"

namespace corvane::res {

// The frames of the program's animations (res/Animations.h), 64 by 64 each.
// step 0 is the first frame.
void DrawMathFunctionFiling(PicturePainter& p, int step);
void DrawNetworkAddress(PicturePainter& p, int step);

}  // namespace corvane::res
