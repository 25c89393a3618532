#pragma once

#include <cstdint>

namespace corvane {

// Byte-order swaps for the logger's big-endian fields.
constexpr std::uint16_t SwapBytes16(std::uint16_t value)
{
    return static_cast<std::uint16_t>((value >> 8) | (value << 8));
}

constexpr std::uint32_t SwapBytes32(std::uint32_t value)
{
    return (value >> 24) | ((value >> 8) & 0x0000FF00u) | ((value << 8) & 0x00FF0000u) | (value << 24);
}

// True when the two flag words share at least one set bit.
constexpr bool TestFlags(std::uint32_t a, std::uint32_t b) { return (a & b) != 0; }

// Sets the mask bits of word when set is true, clears them otherwise.
constexpr std::uint16_t SetFlagBits16(std::uint16_t& word, std::uint16_t mask, bool set)
{
    word = set ? static_cast<std::uint16_t>(word | mask) : static_cast<std::uint16_t>(word & ~mask);
    return word;
}

// Clears the mask bits of word, then ORs in bits (which are not masked).
constexpr std::uint16_t ReplaceBits16(std::uint16_t& word, std::uint16_t mask, std::uint16_t bits)
{
    word = static_cast<std::uint16_t>((word & ~mask) | bits);
    return word;
}

constexpr std::uint32_t IsBit3Set(std::uint32_t value) { return (value >> 3) & 1u; }
constexpr bool IsLow3BitsZero(std::uint32_t value) { return (value & 7u) == 0; }
constexpr std::uint32_t GetLow3Bits(std::uint32_t value) { return value & 7u; }

}  // namespace corvane
