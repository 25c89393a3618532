#pragma once

#include "icons/reporting/CModbusItem.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace corvane {

// The register numbers the Modbus register list accepts (0 means none).
inline constexpr std::uint32_t kFirstModbusListRegister = 40001;
inline constexpr std::uint32_t kLastModbusListRegister = 49000;
// The record counts the pairs of each kind in one byte.
inline constexpr std::size_t kMaxModbusPairsPerKind = 255;

// The text without the blanks (spaces and tabs) before and after it.
std::string_view TrimRegisterText(std::string_view text);
// The number a register text stands for: 0 for an empty text; a value past
// the largest register (however many digits) reads as kLastModbusListRegister + 1.
// The text must already have passed the numeric-character rule.
std::uint32_t RegisterNumberOf(std::string_view text);

// Checks the rows of the register list dialog in the order the user meets
// the messages: numeric characters only, each number 0 or in range, no
// number twice and no two adjacent numbers (each register is the first of
// two), and at most 255 numbered rows of one kind. Returns the message of
// the first failure, or nothing when every row is accepted.
std::optional<std::string> CheckModbusItems(std::span<const CModbusItem> items);

}  // namespace corvane
