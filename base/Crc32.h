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
// Takes sixteen bytes per step through sixteen tables.
std::uint32_t Crc32Update(std::uint32_t crc, std::span<const std::uint8_t> bytes);

// The same CRC a byte at a time through one table: the plain form that
// Crc32Update is checked and measured against.
std::uint32_t Crc32UpdateBytewise(std::uint32_t crc, std::span<const std::uint8_t> bytes);

}  // namespace corvane
