#pragma once

#include <algorithm>

namespace corvane::internal {

// A progress position kept within its range, whichever bound is the larger.
inline int ClampToProgressRange(int position, int lower, int upper)
{
    return std::clamp(position, std::min(lower, upper), std::max(lower, upper));
}

}  // namespace corvane::internal
