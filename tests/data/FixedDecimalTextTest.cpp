#include "data/FixedDecimalText.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

namespace corvane {
namespace fixed_decimal_text_test {
namespace {

// The text std::to_chars gives for the float as a double.
std::string Reference(float value, int decimals)
{
    char text[128];
    const auto converted
        = std::to_chars(text, text + sizeof text, static_cast<double>(value), std::chars_format::fixed, decimals);
    return std::string(text, converted.ptr);
}

std::string Formatted(float value, int decimals)
{
    char text[kFixedDecimalTextMax];
    return std::string(text, FormatFixedDecimals(text, value, decimals));
}

TEST(FixedDecimalTextTest, AwkwardValuesMatchToCharsAtEveryPlaceCount)
{
    const float values[] = {0.0f, -0.0f, 0.5f, 1.5f, 2.5f, -2.5f, 0.125f, 0.375f, 0.625f, -0.125f, 0.05f, 0.15f, 0.35f,
        0.0005f, 0.0015f, -0.0004f, 9.995f, 99.5f, 999.9995f, 0.1f, 0.7f, 1.0f / 3.0f, 123456.789f, 16777216.0f,
        16777217.0f, 8388607.5f, -8388608.5f, 1.0e10f, 1.0e15f, 9.2233720e18f, 1.8446743e19f, 1.8446744e19f, -1.0e19f,
        1.0e20f, 3.4028235e38f, -3.4028235e38f, std::numeric_limits<float>::min(),
        std::numeric_limits<float>::denorm_min(), -std::numeric_limits<float>::denorm_min(), 1.0e-7f, 5.0e-7f,
        4.9999997e-7f, 5.0000004e-16f, 4.9999999e-16f, 1.0e-15f, std::numeric_limits<float>::infinity(),
        -std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN(),
        -std::numeric_limits<float>::quiet_NaN(), std::bit_cast<float>(0x7FA00001u)};
    for (float value : values)
        for (int decimals = 0; decimals <= 15; ++decimals)
            ASSERT_EQ(Formatted(value, decimals), Reference(value, decimals)) << value << " at " << decimals;
}

TEST(FixedDecimalTextTest, TiesRoundToEvenOnTheExactBinaryValue)
{
    struct Case {
        float value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {0.5f, 0, "0"},
        {1.5f, 0, "2"},
        {2.5f, 0, "2"},
        {-2.5f, 0, "-2"},
        {0.125f, 2, "0.12"},
        {0.375f, 2, "0.38"},
        {-0.0f, 3, "-0.000"},
        {-0.0004f, 3, "-0.000"},
        {0.15f, 1, "0.2"},
        {0.35f, 1, "0.3"},
        {1024.0625f, 3, "1024.062"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Formatted(c.value, c.decimals), c.text) << c.value << " at " << c.decimals;
}

// Every exponent and a spread of mantissas, positive and negative.
TEST(FixedDecimalTextTest, SweepOfFloatBitPatternsMatchesToChars)
{
    for (std::uint64_t bits = 0; bits <= 0xFFFFFFFFu; bits += 65521) {
        const auto value = std::bit_cast<float>(static_cast<std::uint32_t>(bits));
        for (int decimals = 0; decimals <= 15; decimals += static_cast<int>(bits % 3) + 1)
            ASSERT_EQ(Formatted(value, decimals), Reference(value, decimals)) << bits << " at " << decimals;
    }
}

}  // namespace
}  // namespace fixed_decimal_text_test
}  // namespace corvane
