#include "netmodel/ModuleSwitchWord.h"

namespace corvane {

namespace {

// Channels 0..3: a 3-bit field, channel 0 at the top of the word.
constexpr int kFieldChannels = 4;
constexpr std::uint16_t kFieldMask = 0x7;
constexpr std::uint16_t kCodeMilliamps = 0x5;  // 101
constexpr std::uint16_t kCodeVdcHigh = 0x2;    // 010
constexpr std::uint16_t kCodeVdcLow = 0x4;     // 100

constexpr int FieldShift(int channel) { return 13 - 3 * channel; }
// Channels 4..7: one bit, channel 4 at bit 3.
constexpr int BitIndex(int channel) { return kModuleSwitchChannels - 1 - channel; }

bool IsChannel(int channel) { return channel >= 0 && channel < kModuleSwitchChannels; }

}  // namespace

std::uint16_t ExpectedChannelMode(int channel, std::uint16_t rangeBits)
{
    if (!IsChannel(channel))
        return kChannelModeInvalid;
    const std::uint16_t range = rangeBits & kChannelRangeMask;
    if (range == kChannelModeMilliamps)
        return kChannelModeMilliamps;
    if (range == kChannelModeVdcHigh && channel < kFieldChannels)
        return kChannelModeVdcHigh;
    return kChannelModeVdcLow;
}

std::uint16_t SetChannelSwitches(std::uint16_t word, int channel, std::uint16_t rangeBits)
{
    if (!IsChannel(channel))
        return word;
    const std::uint16_t mode = ExpectedChannelMode(channel, rangeBits);
    if (channel >= kFieldChannels) {
        const auto bit = static_cast<std::uint16_t>(1u << BitIndex(channel));
        return static_cast<std::uint16_t>(mode == kChannelModeMilliamps ? (word | bit) : (word & ~bit));
    }
    const std::uint16_t code = mode == kChannelModeMilliamps ? kCodeMilliamps
        : mode == kChannelModeVdcHigh                        ? kCodeVdcHigh
                                                             : kCodeVdcLow;
    const int shift = FieldShift(channel);
    const auto cleared = static_cast<std::uint16_t>(word & ~(kFieldMask << shift));
    return static_cast<std::uint16_t>(cleared | (code << shift));
}

std::uint16_t ReadChannelMode(std::uint16_t word, int channel)
{
    if (!IsChannel(channel))
        return kChannelModeInvalid;
    if (channel >= kFieldChannels)
        return ((word >> BitIndex(channel)) & 1) != 0 ? kChannelModeMilliamps : kChannelModeVdcLow;
    switch ((word >> FieldShift(channel)) & kFieldMask) {
    case kCodeMilliamps: return kChannelModeMilliamps;
    case kCodeVdcHigh: return kChannelModeVdcHigh;
    case kCodeVdcLow: return kChannelModeVdcLow;
    default: return kChannelModeInvalid;
    }
}

}  // namespace corvane
