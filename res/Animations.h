#pragma once

#include "platform/DecodedPicture.h"

#include <vector>

// The program's own animations, drawn in code frame by frame and played by
// CPictureEx:
//   493  64 x 64  "Network Address": a PC and a logger on a network, an
//                 address packet travelling from one to the other (8 frames)
//   517  64 x 64  a function filed into the math library: the arrow drops
//                 into the open book (6 frames); its first frame is picture 517

namespace corvane::res {

inline constexpr int kAnimationNetworkAddress = 493;
inline constexpr int kAnimationMathLibrary = 517;

// The ids that have an animation.
std::vector<int> AllAnimations();

// The frames of an animation; an empty picture for an id without one. When
// labelOverflowed is given it tells whether a label of a frame did not fit.
DecodedPicture MakeAnimation(int id, bool* labelOverflowed = nullptr);

}  // namespace corvane::res
