#pragma once

#include "base/ByteError.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <variant>

namespace corvane {

// The logger replies the clock dialog reads, each checked whole before use.

// The state block's size the program reads, and the clock's fields in it.
inline constexpr std::size_t kClockStateBlockSize = 136;
struct ClockState {
    std::int32_t utcSeconds = 0;       // offset 52: the logger's clock, UTC
    std::uint16_t ruleBits = 0;        // 56: bit 0 daylight saving, bit 1 Internet time
    std::int16_t offsetMinutesWest = 0;  // 58
    std::uint8_t interfaceKind = 0;    // 132: low bits 00 for a logger without a network interface
};
// A state reply of fewer than 136 bytes is refused, naming the block.
std::variant<ClockState, ByteError> ReadClockState(std::span<const std::uint8_t> data);

// The configuration item of the time server's name.
inline constexpr std::uint16_t kTimeServerItem = 78;
// Its longest name, the terminating NUL not counted.
inline constexpr std::size_t kTimeServerNameLimit = 63;
// The item reply: u16 key 78, then the name up to its NUL, the end of the
// data or 63 bytes, whichever comes first (Windows-1252 bytes). A reply
// too short for the key, or for another key, is refused.
std::variant<std::string, ByteError> ReadTimeServerName(std::span<const std::uint8_t> data);

}  // namespace corvane
