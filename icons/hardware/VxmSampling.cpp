#include "icons/hardware/VxmSampling.h"

#include <array>
#include <cstddef>

namespace corvane {
namespace {

constexpr std::array<int, kVxmSliderMax> kSpeeds{25, 14, 8, 4, 2};

// Rows: range index 0..7; columns: slider 1..5.
constexpr std::array<std::array<int, kVxmSliderMax>, kVxmRangeCount> kResolution{{
    {16, 18, 18, 19, 20},
    {16, 17, 18, 19, 19},
    {16, 17, 17, 18, 19},
    {15, 16, 17, 18, 18},
    {15, 16, 16, 17, 17},
    {14, 15, 15, 16, 16},
    {13, 14, 14, 15, 15},
    {12, 13, 14, 14, 14},
}};

}  // namespace

VxmSampling SamplingForCode(int code)
{
    if (code < kVxmSliderMin || code > kVxmSliderMax)
        return VxmSampling{3, 8, false};
    return VxmSampling{code, kSpeeds[static_cast<std::size_t>(code - 1)], true};
}

std::uint16_t SamplingCodeForSpeed(int speed)
{
    switch (speed) {
    case 25: return 1;
    case 14: return 2;
    case 4: return 4;
    case 2: return 5;
    default: return 3;
    }
}

int ResolutionBits(int rangeIndex, int slider)
{
    if (rangeIndex < 0 || rangeIndex >= kVxmRangeCount || slider < kVxmSliderMin || slider > kVxmSliderMax)
        return 0;
    return kResolution[static_cast<std::size_t>(rangeIndex)][static_cast<std::size_t>(slider - 1)];
}

}  // namespace corvane
