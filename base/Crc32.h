#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace corvane {

// CRC-32 as the logger computes it over net images and other logger files:
// polynomial 0x04C11DB7, most significant bit first, start value
// 0xFFFFFFFF, no final inversion (the CRC-32/MPEG-2 parameters).
constexpr std::uint32_t kCrc32Start = 0xFFFFFFFFu;

std::uint32_t Crc32(std::span<const std::uint8_t> bytes);

// Continues a CRC from a previous result, so data can be sealed in pieces.
// Takes the widest carry-less form the processor has where the data is long
// enough to gain from it, else the sliced form.
std::uint32_t Crc32Update(std::uint32_t crc, std::span<const std::uint8_t> bytes);

// Sixteen bytes per step through sixteen tables; runs everywhere.
std::uint32_t Crc32UpdateSliced(std::uint32_t crc, std::span<const std::uint8_t> bytes);

// Folds the data 64 bytes per step with the processor's carry-less
// multiplication (x86-64 PCLMULQDQ); nothing on a processor without it.
std::optional<std::uint32_t> Crc32UpdateCarryless(std::uint32_t crc, std::span<const std::uint8_t> bytes);

// The same 256 bytes per step in 512-bit registers (AVX-512 VPCLMULQDQ);
// nothing on a processor without them.
std::optional<std::uint32_t> Crc32UpdateCarrylessWide(std::uint32_t crc, std::span<const std::uint8_t> bytes);

// The same CRC a byte at a time through one table: the plain form that the
// others are checked and measured against.
std::uint32_t Crc32UpdateBytewise(std::uint32_t crc, std::span<const std::uint8_t> bytes);

}  // namespace corvane
