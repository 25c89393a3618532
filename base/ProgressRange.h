#pragma once

#include <algorithm>
#include <cstdint>

namespace corvane {

// A progress position held within its range, whichever bound is the larger.
constexpr int ClampToProgressRange(std::int64_t position, int lower, int upper)
{
    return static_cast<int>(std::clamp<std::int64_t>(position, std::min(lower, upper), std::max(lower, upper)));
}

// How much of a total is done, on a scale of 0 to scale (100 for a
// percentage): cut down to a whole step and held to the scale, so more than
// the total reads as all of it. Nothing of a total of 0 is done.
constexpr int ProgressShare(std::uint64_t done, std::uint64_t total, int scale)
{
    if (total == 0 || scale <= 0)
        return 0;
    if (done >= total)
        return scale;
    return static_cast<int>(done * static_cast<std::uint64_t>(scale) / total);
}

}  // namespace corvane
