#include "base/BitHelpers.h"

#include <gtest/gtest.h>

namespace corvane {
namespace bit_helpers_test {
namespace {

TEST(BitHelpersTest, SwapsReverseByteOrder)
{
    EXPECT_EQ(SwapBytes16(0x1234), 0x3412);
    EXPECT_EQ(SwapBytes32(0x12345678u), 0x78563412u);
    EXPECT_EQ(SwapBytes32(0xFF000001u), 0x010000FFu);
}

TEST(BitHelpersTest, FlagWordHelpers)
{
    EXPECT_TRUE(TestFlags(0x0110u, 0x0010u));
    EXPECT_FALSE(TestFlags(0x0100u, 0x0011u));

    std::uint16_t word = 0x00F0;
    EXPECT_EQ(SetFlagBits16(word, 0x0003, true), 0x00F3);
    EXPECT_EQ(SetFlagBits16(word, 0x0030, false), 0x00C3);
    EXPECT_EQ(word, 0x00C3);

    // The new bits are ORed in unmasked, so bits outside the mask stick.
    word = 0x00FF;
    EXPECT_EQ(ReplaceBits16(word, 0x000F, 0x0105), 0x01F5);
}

TEST(BitHelpersTest, LowBitHelpers)
{
    struct Case {
        std::uint32_t value;
        std::uint32_t bit3;
        bool low3Zero;
        std::uint32_t low3;
    };
    const Case cases[] = {
        {0x0, 0, true, 0},
        {0x8, 1, true, 0},
        {0x7, 0, false, 7},
        {0xF5, 0, false, 5},
        {0xFFFFFFF8u, 1, true, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsBit3Set(c.value), c.bit3) << c.value;
        EXPECT_EQ(IsLow3BitsZero(c.value), c.low3Zero) << c.value;
        EXPECT_EQ(GetLow3Bits(c.value), c.low3) << c.value;
    }
}

}  // namespace
}  // namespace bit_helpers_test
}  // namespace corvane
