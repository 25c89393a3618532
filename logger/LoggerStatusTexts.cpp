#include "logger/LoggerStatusTexts.h"

#include <algorithm>
#include <cstdio>

namespace corvane {

namespace {

template <class... Args> std::string Printf(const char* format, Args... args)
{
    char text[256] = {};
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

std::string_view Target(std::uint32_t status, std::string_view card, std::string_view internal)
{
    return (status & status_bits::kLoggingToCard) != 0 ? card : internal;
}

}  // namespace

std::string FormatRunState(std::uint32_t status)
{
    using namespace status_bits;
    if ((status & kBatteryCriticallyLow) != 0)
        return "Stopped: Critically low battery";
    if ((status & kBatteryOverload) != 0)
        return "Stopped: Battery overload";
    if ((status & kNoNet) != 0)
        return "Stopped: No Net Loaded";
    if ((status & kNetError) != 0)
        return "Stopped: Error in Net";
    if ((status & kLogMemoryFault) != 0)
        return "Stopped: Log memory fault";
    const bool enabled = (status & kEnabled) != 0;
    if ((status & kMemoryFull) != 0)
        return std::string(enabled ? "Enabled: " : "Stopped: ") + std::string(Target(status, "SD Card", "Int. Memory"))
            + " is Full";
    if (enabled) {
        return "Logging to " + std::string(Target(status, "SD Card", "Internal Memory"))
            + ((status & kWrap) != 0 ? " (Wrap)" : "");
    }
    return "Stopped. Using " + std::string(Target(status, "SD Card", "Internal Memory"));
}

std::string FormatSignalBar(unsigned count)
{
    constexpr unsigned kMostBars = 20;
    std::string text;
    for (unsigned i = 0; i < std::clamp(count, 1u, kMostBars); ++i)
        text += "||||";
    return text;
}

std::string FormatBatteryText(float volts, std::uint32_t status)
{
    const char* state = (status & status_bits::kMainBatteryCritical) != 0 ? " (CRITICALLY LOW)"
        : (status & status_bits::kMainBatteryLow) != 0                    ? " (LOW)"
                                                                          : " (GOOD)";
    return Printf("%.2f VDC", static_cast<double>(volts)) + state;
}

std::string FormatClockBatteryText(std::uint8_t raw, std::uint32_t status)
{
    const char* state = (status & status_bits::kClockBatteryCritical) != 0 ? " (CRITICALLY LOW)"
        : (status & status_bits::kClockBatteryLow) != 0                    ? " (LOW)"
                                                                           : " (GOOD)";
    return Printf("%.2f VDC", (raw + 100) / 100.0) + state;
}

std::string FormatSupplyText(float volts) { return Printf("%.2f VDC", static_cast<double>(volts)); }

std::string FormatTemperatureText(float celsius)
{
    const double c = celsius;
    return Printf("%.1f C -- %.1f F", c, c * 1.8 + 32);
}

LogMemoryTexts FormatLogMemory(std::uint32_t sizeKb, std::uint32_t usedKb, std::uint32_t status)
{
    const bool card = (status & status_bits::kCardInUse) != 0;
    LogMemoryTexts texts;
    if (card) {
        texts.size = Printf("%.1f MBytes", sizeKb / 1000.0);
        texts.used = Printf("%.1f MBytes", usedKb / 1000.0);
    } else {
        texts.size = Printf("%u KBytes", static_cast<unsigned>(sizeKb));
        texts.used = Printf("%u KBytes", static_cast<unsigned>(usedKb));
    }
    // Without a size there is no share to show.
    if (sizeKb != 0)
        texts.used += Printf(" (%.2f %%)", usedKb * 100.0 / sizeKb);
    return texts;
}

std::string FormatNetMemory(std::int32_t bytes) { return Printf("%d Bytes", static_cast<int>(bytes)); }

std::string FormatUtcOffset(std::int16_t minutesWest) { return Printf("%.2f hours", -minutesWest / 60.0); }

std::string FormatTimeRule(std::uint16_t ruleBits)
{
    constexpr std::uint16_t kDaylightBits = 0x7B5;
    return (ruleBits & kDaylightBits) != 0 ? "Local with DST" : "Local no DST";
}

std::string FormatFirmwareVersion(std::uint32_t version)
{
    return Printf("%u.%u.%u.%u", static_cast<unsigned>(version >> 24), static_cast<unsigned>((version >> 16) & 0xFF),
        static_cast<unsigned>((version >> 8) & 0xFF), static_cast<unsigned>(version & 0xFF));
}

std::string FormatLoggerTime(const std::optional<std::tm>& local)
{
    if (!local)
        return "????????";
    char text[64] = {};
    if (std::strftime(text, sizeof text, "%a %b %e %H:%M:%S %Y", &*local) == 0)
        return "????????";
    return text;
}

std::string FormatRuntimeMessageLine(const std::optional<std::tm>& local, std::string_view text)
{
    std::string line;
    if (local) {
        char stamp[64] = {};
        if (std::strftime(stamp, sizeof stamp, "%a %b %d %Y %H:%M:%S  ", &*local) != 0)
            line = stamp;
    }
    for (const char c : text)
        line += c == '\n' ? ' ' : c;
    return line;
}

std::string FormatStatusCaption(std::uint32_t serial)
{
    return Printf("Logger Status     SN %u", static_cast<unsigned>(serial));
}

std::optional<std::tm> LocalTimeOf(std::int64_t secondsSince1970)
{
    const std::time_t time = static_cast<std::time_t>(secondsSince1970);
    std::tm local{};
    if (localtime_r(&time, &local) == nullptr)
        return std::nullopt;
    return local;
}

std::string FormatEnableMemoryText(std::uint32_t sizeKb, std::uint32_t usedKb)
{
    if (usedKb != sizeKb) {
        return Printf("Internal memory size is %d KBytes and has %d KBytes free. Erase the memory before enabling the "
                      "logger, or append to the data already stored?",
            static_cast<int>(sizeKb), static_cast<int>(sizeKb - usedKb));
    }
    return Printf("Internal memory size is %d KBytes and the memory is full.", static_cast<int>(sizeKb));
}

}  // namespace corvane
