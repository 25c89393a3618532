#include "base/SystemRandom.h"

#include <gtest/gtest.h>

#include <array>

namespace corvane {
namespace system_random_test {
namespace {

TEST(SystemRandomTest, FillsEveryByteWithFreshValues)
{
    std::array<std::uint8_t, 64> first{};
    std::array<std::uint8_t, 64> second{};
    ASSERT_TRUE(FillSystemRandom(first));
    ASSERT_TRUE(FillSystemRandom(second));
    // Two 512-bit draws that agree, or an all-zero draw, mean no randomness.
    EXPECT_NE(first, second);
    EXPECT_NE(first, (std::array<std::uint8_t, 64>{}));
}

}  // namespace
}  // namespace system_random_test
}  // namespace corvane
