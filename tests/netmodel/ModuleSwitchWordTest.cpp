#include "netmodel/ModuleSwitchWord.h"

#include <gtest/gtest.h>

namespace corvane {
namespace module_switch_word_test {
namespace {

// What a module reports, channel by channel.
TEST(ModuleSwitchWordTest, ReadsEachChannelFromItsOwnSwitches)
{
    const struct {
        std::uint16_t word;
        int channel;
        std::uint16_t mode;
    } cases[] = {
        {0xA000, 0, kChannelModeMilliamps},  // 101 in bits 15-13
        {0x4000, 0, kChannelModeVdcHigh},    // 010
        {0x8000, 0, kChannelModeVdcLow},     // 100
        {0x0000, 0, kChannelModeInvalid},
        {0xE000, 0, kChannelModeInvalid},
        {0x2000, 0, kChannelModeInvalid},
        {0x1400, 1, kChannelModeMilliamps},  // bits 12-10
        {0x0100, 2, kChannelModeVdcHigh},    // bits 9-7
        {0x0040, 3, kChannelModeVdcLow},     // bits 6-4
        {0x0070, 3, kChannelModeInvalid},
        {0x0008, 4, kChannelModeMilliamps},  // bit 3
        {0xFFF7, 4, kChannelModeVdcLow},
        {0x0004, 5, kChannelModeMilliamps},
        {0x0002, 6, kChannelModeMilliamps},
        {0x0001, 7, kChannelModeMilliamps},
        {0xFFFE, 7, kChannelModeVdcLow},
        {0xAA48, -1, kChannelModeInvalid},
        {0xAA48, 8, kChannelModeInvalid},
        {0xAA48, 255, kChannelModeInvalid},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadChannelMode(c.word, c.channel), c.mode)
            << std::hex << c.word << " channel " << std::dec << c.channel;
}

// The word the loader rebuilds reads back, on every channel and for every
// range, as the mode that channel can show; the other channels keep theirs.
TEST(ModuleSwitchWordTest, ARebuiltWordReadsBackTheWantedModeOnEveryChannel)
{
    const std::uint16_t ranges[] = {0, 8, 16, 24, 32, 40, 48, 56};
    const std::uint16_t starts[] = {0x0000, 0xFFFF, 0xAA48};
    for (const std::uint16_t start : starts) {
        for (int channel = 0; channel < kModuleSwitchChannels; ++channel) {
            for (const std::uint16_t range : ranges) {
                const std::uint16_t word = SetChannelSwitches(start, channel, range);
                const std::uint16_t wanted = ExpectedChannelMode(channel, range);
                EXPECT_EQ(ReadChannelMode(word, channel), wanted) << "channel " << channel << " range " << range;
                for (int other = 0; other < kModuleSwitchChannels; ++other) {
                    if (other != channel) {
                        EXPECT_EQ(ReadChannelMode(word, other), ReadChannelMode(start, other))
                            << "channel " << channel << " changed channel " << other;
                    }
                }
            }
        }
    }
}

TEST(ModuleSwitchWordTest, WantedModesFollowWhatEachChannelCanShow)
{
    const struct {
        int channel;
        std::uint16_t rangeBits;
        std::uint16_t mode;
    } cases[] = {
        {0, 8, kChannelModeMilliamps},
        {0, 32, kChannelModeVdcHigh},
        {0, 40, kChannelModeVdcLow},
        {3, 0, kChannelModeVdcLow},
        {3, 0xFF08, kChannelModeMilliamps},  // only the range bits count
        {4, 8, kChannelModeMilliamps},
        {4, 32, kChannelModeVdcLow},  // channels 4..7 have no high-level range
        {7, 16, kChannelModeVdcLow},
        {8, 8, kChannelModeInvalid},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExpectedChannelMode(c.channel, c.rangeBits), c.mode) << c.channel << " " << c.rangeBits;
}

TEST(ModuleSwitchWordTest, RebuildingWritesTheCodesAtTheChannelsPlaces)
{
    EXPECT_EQ(SetChannelSwitches(0x0000, 0, 8), 0xA000);
    EXPECT_EQ(SetChannelSwitches(0xFFFF, 0, 32), 0x5FFF);
    EXPECT_EQ(SetChannelSwitches(0x0000, 3, 0), 0x0040);
    EXPECT_EQ(SetChannelSwitches(0x0000, 4, 8), 0x0008);
    EXPECT_EQ(SetChannelSwitches(0xFFFF, 7, 0), 0xFFFE);
    EXPECT_EQ(SetChannelSwitches(0x1234, 8, 8), 0x1234);
    EXPECT_EQ(SetChannelSwitches(0x1234, -1, 8), 0x1234);
}

}  // namespace
}  // namespace module_switch_word_test
}  // namespace corvane
