#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// The texts of the logger status dialog, from the values of the logger's
// state block and status word. Numbers are formatted in the C locale.

// Status-word bits the texts look at.
namespace status_bits {
inline constexpr std::uint32_t kBatteryOverload = 0x1;
inline constexpr std::uint32_t kBatteryCriticallyLow = 0x2;  // halted the session
inline constexpr std::uint32_t kMainBatteryCritical = 0x4;
inline constexpr std::uint32_t kMainBatteryLow = 0x8;
inline constexpr std::uint32_t kClockBatteryCritical = 0x100;
inline constexpr std::uint32_t kClockBatteryLow = 0x200;
inline constexpr std::uint32_t kLogMemoryFault = 0x10000;
inline constexpr std::uint32_t kNetError = 0x20000;
inline constexpr std::uint32_t kNoNet = 0x40000;
inline constexpr std::uint32_t kCardInUse = 0x800000;
inline constexpr std::uint32_t kLoggingToCard = 0x8000000;
inline constexpr std::uint32_t kWrap = 0x20000000;
inline constexpr std::uint32_t kMemoryFull = 0x40000000;
inline constexpr std::uint32_t kEnabled = 0x80000000;
// The bits the user may have the logger clear (the logging session's).
inline constexpr std::uint32_t kClearable = 0x1003CF3;
}  // namespace status_bits

// "Logger Mode": why the logger stopped, that its memory is full, or where
// it logs.
std::string FormatRunState(std::uint32_t status);
// "||||" per bar, one bar at least and twenty at most.
std::string FormatSignalBar(unsigned count);
// The internal battery: "%.2f VDC" and its state from bits 0x4 and 0x8.
std::string FormatBatteryText(float volts, std::uint32_t status);
// The clock battery: (raw + 100) / 100 volts and its state from bits 0x100
// and 0x200.
std::string FormatClockBatteryText(std::uint8_t raw, std::uint32_t status);
std::string FormatSupplyText(float volts);
std::string FormatTemperatureText(float celsius);
// Log memory size and use: megabytes while the memory card is in use,
// else kilobytes; the use has its share of the size unless the size is 0.
struct LogMemoryTexts {
    std::string size;
    std::string used;
};
LogMemoryTexts FormatLogMemory(std::uint32_t sizeKb, std::uint32_t usedKb, std::uint32_t status);
std::string FormatNetMemory(std::int32_t bytes);
// The UTC offset in hours (fractions included) from minutes west of UTC.
std::string FormatUtcOffset(std::int16_t minutesWest);
std::string FormatTimeRule(std::uint16_t ruleBits);
// "%d.%d.%d.%d", most significant byte first.
std::string FormatFirmwareVersion(std::uint32_t version);
// The logger time in the standard asctime form without its line end, or
// "????????" when it has no local time.
std::string FormatLoggerTime(const std::optional<std::tm>& local);
// A runtime-message line: its local time "%a %b %d %Y %H:%M:%S  ", then
// the text with its line feeds as blanks.
std::string FormatRuntimeMessageLine(const std::optional<std::tm>& local, std::string_view text);
// "Logger Status     SN %u".
std::string FormatStatusCaption(std::uint32_t serial);
// The local time of a logger time, if it has one.
std::optional<std::tm> LocalTimeOf(std::int64_t secondsSince1970);

// The enable dialog's text about the internal memory.
std::string FormatEnableMemoryText(std::uint32_t sizeKb, std::uint32_t usedKb);

}  // namespace corvane
