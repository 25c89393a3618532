#pragma once

#include <cstdint>

namespace corvane {

// Colours are stored by the system as 0x00BBGGRR: red in the low byte.
// The toolkit speaks red, green and blue; these convert both ways. The top
// byte of a stored colour carries no colour and is ignored.

struct RgbColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const RgbColour&, const RgbColour&) = default;
};

constexpr RgbColour RgbFromStoredColour(std::uint32_t colour)
{
    return {static_cast<std::uint8_t>(colour & 0xFFu), static_cast<std::uint8_t>((colour >> 8) & 0xFFu),
        static_cast<std::uint8_t>((colour >> 16) & 0xFFu)};
}

constexpr std::uint32_t StoredColourFromRgb(RgbColour rgb)
{
    return static_cast<std::uint32_t>(rgb.red) | (static_cast<std::uint32_t>(rgb.green) << 8)
        | (static_cast<std::uint32_t>(rgb.blue) << 16);
}

}  // namespace corvane
