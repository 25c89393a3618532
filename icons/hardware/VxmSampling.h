#pragma once

#include <cstdint>

namespace corvane {

// The sampling setup of a 7-channel analog module channel: the sampling
// code of its mode word (bits 8-11), the dialog's speed/precision slider
// (1..5) and the resolution a range reaches at each slider position.
//
//   code  slider  samples/sec
//    1      1        25
//    2      2        14
//    3      3         8        (default; also any code outside 1..6)
//    4      4         4
//    5      5         2
//    6      3         -        50/60 Hz AC noise rejection
struct VxmSampling {
    int slider = 3;
    int speed = 8;
    bool active = true;  // false: noise rejection fixes the sampling
};

inline constexpr int kVxmSliderMin = 1;
inline constexpr int kVxmSliderMax = 5;
inline constexpr int kVxmRangeCount = 8;

// The slider and speed of a sampling code; inactive for code 6 and for any
// code outside 1..5.
VxmSampling SamplingForCode(int code);
// The code of the speed shown: 25 -> 1, 14 -> 2, 4 -> 4, 2 -> 5, else 3.
std::uint16_t SamplingCodeForSpeed(int speed);
// Resolution in bits for a range index (0 = widest range or first
// thermocouple type) and slider position; 0 outside the table.
int ResolutionBits(int rangeIndex, int slider);

}  // namespace corvane
