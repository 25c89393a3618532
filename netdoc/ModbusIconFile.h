#pragma once

#include "netmodel/RecordError.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <variant>
#include <vector>

namespace corvane {

// A saved remote Modbus register icon (".mbi"): the file version word
// (u16 257, little-endian), then the icon's record exactly as a net file
// holds it (header, fixed part, links, outputs, tail, even padding).
inline constexpr std::uint16_t kModbusIconFileVersion = 257;
inline constexpr std::size_t kModbusIconFileHeaderSize = 2;
inline constexpr std::uint16_t kModbusIconFileTypeCode = 7;
// The longest file: the version word and the longest record.
inline constexpr std::size_t kModbusIconFileMaxBytes = kModbusIconFileHeaderSize + 0xFFFF;

// The file's bytes for a stored record.
std::vector<std::uint8_t> BuildModbusIconFile(std::span<const std::uint8_t> record);

// The record a saved-icon file holds, or why the file is refused: the
// version word must be 257, the record's length word at least the icon
// header, even and exactly what follows the version word, and its type
// word the remote register's (type code 7, no subtype bits). Offsets in the
// refusal count from the start of the file.
std::variant<std::span<const std::uint8_t>, RecordError> ParseModbusIconFile(std::span<const std::uint8_t> file);

}  // namespace corvane
