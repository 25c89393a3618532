#include "base/Crc32.h"

#include <array>

namespace corvane {

namespace {

constexpr std::uint32_t kPolynomial = 0x04C11DB7u;

constexpr std::array<std::uint32_t, 256> MakeTable()
{
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t crc = i << 24;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80000000u) ? (crc << 1) ^ kPolynomial : crc << 1;
        table[i] = crc;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> kTable = MakeTable();

static_assert(kTable[1] == 0x04C11DB7u && kTable[2] == 0x09823B6Eu && kTable[255] == 0xB1F740B4u);

}  // namespace

std::uint32_t Crc32Update(std::uint32_t crc, std::span<const std::uint8_t> bytes)
{
    for (std::uint8_t byte : bytes)
        crc = (crc << 8) ^ kTable[(crc >> 24) ^ byte];
    return crc;
}

std::uint32_t Crc32(std::span<const std::uint8_t> bytes) { return Crc32Update(kCrc32Start, bytes); }

}  // namespace corvane
