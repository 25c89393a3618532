#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace corvane {

// The answers the connection handshake keeps, read from a reply's data.
// Texts are the logger's Windows-1252 bytes.

// The logger state reply: what the program takes from it. A field the
// data is too short for reads as 0 (or an empty text).
struct LoggerStateBlock {
    std::string name;  // bytes 0..21, up to the first NUL
    std::string id;    // bytes 22..43, up to the first NUL
    std::uint32_t firmware = 0;
    std::uint32_t stateWord = 0;
    std::uint32_t clock = 0;
    std::uint16_t daylightRule = 0;
    std::int16_t zoneMinutes = 0;
    std::uint32_t memory = 0;
    std::uint32_t memoryUsed = 0;
};
LoggerStateBlock ParseLoggerStateBlock(std::span<const std::uint8_t> data);

// The password status reply: bytes 0 and 1, 0 when missing.
struct PasswordStatus {
    std::uint8_t passwordsOn = 0;
    std::uint8_t fullAccess = 0;
};
PasswordStatus ParsePasswordStatus(std::span<const std::uint8_t> data);

// A configuration item reply: the item's value from data byte 2 (empty when
// the data is shorter).
std::span<const std::uint8_t> ConfigItemValue(std::span<const std::uint8_t> data);
// Item 80, the logger information text: up to the first NUL, at most 256 bytes.
std::string ParseLoggerInfoItem(std::span<const std::uint8_t> data);
// Item 91, the capability byte.
std::optional<std::uint8_t> ParseCapabilityItem(std::span<const std::uint8_t> data);

}  // namespace corvane
