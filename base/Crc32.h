#pragma once

#include <cstdint>
#include <span>

namespace corvane {

// CRC-32 as the logger computes it over net images and other logger files:
// polynomial 0x04C11DB7, most significant bit first, start value
// 0xFFFFFFFF, no final inversion (the CRC-32/MPEG-2 parameters).
constexpr std::uint32_t kCrc32Start = 0xFFFFFFFFu;

std::uint32_t Crc32(std::span<const std::uint8_t> bytes);

// Continues a CRC from a previous result, so data can be sealed in pieces.
std::uint32_t Crc32Update(std::uint32_t crc, std::span<const std::uint8_t> bytes);

}  // namespace corvane
