#pragma once

#include <cstddef>
#include <cstdint>

namespace corvane {

// The common head of every icon record, 72 bytes, little-endian, packed:
//
//   0 u16 record length (pad byte included)   2 u16 unique id (0 = none yet)
//   4 u16 type word (low 12 bits type code)   6 u16 x   8 u16 y
//  10 u8 input count (select input included)  11 u8 output count
//  12 char[21] name, at most 20 bytes, byte 32 always 0
//  33 u8 unused (0)   34 u16 warning flags
//  36 InputLink trigger   44 InputLink enable
//  52 u32 0   56 u32 0   60 u32 0   64 u32 0   68 u32 0
inline constexpr std::size_t kIconRecordHeaderSize = 72;
inline constexpr std::size_t kIconLengthOffset = 0;
inline constexpr std::size_t kIconUniqueIdOffset = 2;
inline constexpr std::size_t kIconTypeWordOffset = 4;
inline constexpr std::size_t kIconXOffset = 6;
inline constexpr std::size_t kIconYOffset = 8;
inline constexpr std::size_t kIconInputCountOffset = 10;
inline constexpr std::size_t kIconOutputCountOffset = 11;
inline constexpr std::size_t kIconNameOffset = 12;
inline constexpr std::size_t kIconNameFieldSize = 21;
inline constexpr std::size_t kIconNameMaxBytes = 20;
inline constexpr std::size_t kIconWarningFlagsOffset = 34;
inline constexpr std::size_t kIconTriggerLinkOffset = 36;
inline constexpr std::size_t kIconEnableLinkOffset = 44;
inline constexpr std::size_t kIconReservedOffset = 52;
inline constexpr std::size_t kIconMaxInputs = 25;
inline constexpr std::size_t kIconMaxOutputs = 24;
inline constexpr std::uint16_t kIconTypeCodeMask = 0x0FFF;

}  // namespace corvane
