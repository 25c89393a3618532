#pragma once

#include <cstdint>

namespace corvane {

// The channel switches of a 7-channel analog bus module, as the module
// reports them in its 16-bit switch word:
//
//   bits 15-13  channel 0    3-bit code: 101 current (mA), 010 high-level
//   bits 12-10  channel 1    Vdc, 100 low-level Vdc; any other code is an
//   bits  9-7   channel 2    invalid setting
//   bits  6-4   channel 3
//   bit   3     channel 4    set: current (mA); clear: voltage or
//   bit   2     channel 5    thermocouple
//   bit   1     channel 6
//   bit   0     channel 7
//
// A channel's mode is given as a channel icon gives its range (the bits
// 0x38 of its mode word): 8 current, 32 high-level Vdc, anything else
// low-level Vdc. The net loader builds the switch word a net expects with
// SetChannelSwitches, and the net check and the hardware-icon creation read
// what a module reports with ReadChannelMode.

constexpr int kModuleSwitchChannels = 8;
constexpr std::uint16_t kChannelRangeMask = 0x38;
constexpr std::uint16_t kChannelModeVdcLow = 0;
constexpr std::uint16_t kChannelModeMilliamps = 8;
constexpr std::uint16_t kChannelModeVdcHigh = 32;
constexpr std::uint16_t kChannelModeInvalid = 7;  // switches in no valid position

// The mode that channel's switches can show for the range bits: channels
// 0..3 show current, high-level or low-level Vdc; channels 4..7 current or
// low-level (voltage or thermocouple). kChannelModeInvalid for a channel
// outside 0..7.
std::uint16_t ExpectedChannelMode(int channel, std::uint16_t rangeBits);

// word with channel's switches set for the range bits; the other channels
// keep theirs. A channel outside 0..7 leaves word as it is.
std::uint16_t SetChannelSwitches(std::uint16_t word, int channel, std::uint16_t rangeBits);

// The mode channel's switches show in word: kChannelModeMilliamps,
// kChannelModeVdcHigh or kChannelModeVdcLow, or kChannelModeInvalid for an
// invalid code or a channel outside 0..7.
std::uint16_t ReadChannelMode(std::uint16_t word, int channel);

}  // namespace corvane
