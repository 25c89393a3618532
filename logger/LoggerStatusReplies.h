#pragma once

#include "base/ByteError.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace corvane {

// The replies of the logger status dialog as it reads them. Texts are the
// logger's Windows-1252 bytes; numbers are little-endian.

// One runtime message (reply to CxInfoMsg): u16 index at 0, i32 time
// (seconds since 1970) at 2, the text from 6 up to its NUL or the end of
// the data.
struct RuntimeMessage {
    std::uint16_t index = 0;
    std::int32_t time = 0;
    std::string text;
    bool operator==(const RuntimeMessage&) const = default;
};
// A reply of 7 bytes or fewer holds no message: the list has ended.
inline constexpr std::size_t kNoRuntimeMessageBytes = 7;
std::optional<RuntimeMessage> ReadRuntimeMessage(std::span<const std::uint8_t> data);

// The logger state block (reply to CxStateGet) as the status dialog shows it.
struct LoggerStatusBlock {
    std::string unitName;  // at most 20 bytes
    std::string unitId;    // at most 20 bytes
    std::uint32_t firmware = 0;
    std::uint32_t status = 0;
    std::int32_t time = 0;
    std::uint16_t timeRule = 0;
    std::int16_t zoneMinutesWest = 0;
    std::string netName;         // at most 20 bytes
    std::string netDescription;  // at most 20 bytes
    std::uint32_t memorySizeKb = 0;
    std::uint32_t memoryUsedKb = 0;
    std::int32_t netMemoryBytes = 0;
    float supplyVolts = 0;
    float batteryVolts = 0;
    float temperatureC = 0;
    std::uint8_t interfaceKind = 0;  // the byte's low three bits
    std::uint8_t clockBattery = 0;   // volts = (value + 100) / 100
    std::uint8_t signalBars = 0;
    std::uint8_t cellQualityBars = 0;
};
inline constexpr std::size_t kStatusBlockBytes = 136;
// The block, or the error of the first field the data is too short for.
struct LoggerStatusBlockReading {
    std::optional<LoggerStatusBlock> block;
    ByteError error;
};
LoggerStatusBlockReading ReadLoggerStatusBlock(std::span<const std::uint8_t> data);

// The serial number item (reply to CxCfGet of key 76): u16 key, u32 number.
inline constexpr std::uint16_t kSerialNumberKey = 76;
struct SerialNumberReading {
    std::optional<std::uint32_t> serial;
    ByteError error;  // also set, as out of range at 0, for another key
};
SerialNumberReading ReadSerialNumberReply(std::span<const std::uint8_t> data);

}  // namespace corvane
