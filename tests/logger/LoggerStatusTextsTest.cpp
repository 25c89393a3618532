#include "logger/LoggerStatusTexts.h"

#include <gtest/gtest.h>

#include <ctime>

namespace corvane {
namespace logger_status_texts_test {
namespace {

TEST(LoggerStatusTextsTest, RunStateNamesTheFirstReasonThenFullnessThenTheTarget)
{
    const struct {
        std::uint32_t status;
        const char* text;
    } cases[] = {
        {0x2 | 0x1 | 0x40000, "Stopped: Critically low battery"},
        {0x1 | 0x40000, "Stopped: Battery overload"},
        {0x40000 | 0x20000 | 0x80000000, "Stopped: No Net Loaded"},
        {0x20000 | 0x10000, "Stopped: Error in Net"},
        {0x10000 | 0x40000000, "Stopped: Log memory fault"},
        {0x40000000 | 0x80000000, "Enabled: Int. Memory is Full"},
        {0x40000000 | 0x8000000, "Stopped: SD Card is Full"},
        {0x80000000 | 0x20000000, "Logging to Internal Memory (Wrap)"},
        {0x80000000 | 0x8000000, "Logging to SD Card"},
        {0x20000000, "Stopped. Using Internal Memory"},
        {0x8000000 | 0x800000, "Stopped. Using SD Card"},
        {0, "Stopped. Using Internal Memory"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatRunState(c.status), c.text) << std::hex << c.status;
}

TEST(LoggerStatusTextsTest, SignalBarHasOneToTwentyBars)
{
    const std::string four = "||||";
    const struct {
        unsigned count;
        std::size_t bars;
    } cases[] = {{0, 1}, {1, 1}, {7, 7}, {20, 20}, {35, 20}, {255, 20}};
    for (const auto& c : cases) {
        std::string expected;
        for (std::size_t i = 0; i < c.bars; ++i)
            expected += four;
        EXPECT_EQ(FormatSignalBar(c.count), expected) << c.count;
    }
}

TEST(LoggerStatusTextsTest, BatteriesShowVoltsAndTheirWorstState)
{
    const struct {
        std::string text;
        const char* expected;
    } cases[] = {
        {FormatBatteryText(3.6f, 0), "3.60 VDC (GOOD)"},
        {FormatBatteryText(3.1f, 0x8), "3.10 VDC (LOW)"},
        {FormatBatteryText(2.9f, 0x4 | 0x8), "2.90 VDC (CRITICALLY LOW)"},
        {FormatBatteryText(3.6f, 0x300), "3.60 VDC (GOOD)"},  // the clock battery's bits
        {FormatClockBatteryText(200, 0), "3.00 VDC (GOOD)"},
        {FormatClockBatteryText(0, 0x200), "1.00 VDC (LOW)"},
        {FormatClockBatteryText(255, 0x100 | 0x200), "3.55 VDC (CRITICALLY LOW)"},
        {FormatClockBatteryText(180, 0xC), "2.80 VDC (GOOD)"},  // the main battery's bits
        {FormatSupplyText(12.345f), "12.35 VDC"},
        {FormatTemperatureText(25.0f), "25.0 C -- 77.0 F"},
        {FormatTemperatureText(-40.0f), "-40.0 C -- -40.0 F"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, c.expected);
}

TEST(LoggerStatusTextsTest, MemoryInKilobytesOrOnTheCardInMegabytesWithoutAShareOfNothing)
{
    const struct {
        std::uint32_t size;
        std::uint32_t used;
        std::uint32_t status;
        const char* sizeText;
        const char* usedText;
    } cases[] = {
        {8192, 1024, 0, "8192 KBytes", "1024 KBytes (12.50 %)"},
        {4096, 4096, 0, "4096 KBytes", "4096 KBytes (100.00 %)"},
        {0, 0, 0, "0 KBytes", "0 KBytes"},
        {0, 12, 0, "0 KBytes", "12 KBytes"},
        {4000000000u, 3000000000u, 0, "4000000000 KBytes", "3000000000 KBytes (75.00 %)"},
        {32000000, 1500, 0x800000, "32000.0 MBytes", "1.5 MBytes (0.00 %)"},
        {0, 0, 0x800000, "0.0 MBytes", "0.0 MBytes"},
    };
    for (const auto& c : cases) {
        const LogMemoryTexts texts = FormatLogMemory(c.size, c.used, c.status);
        EXPECT_EQ(texts.size, c.sizeText);
        EXPECT_EQ(texts.used, c.usedText);
    }
    EXPECT_EQ(FormatNetMemory(-1), "-1 Bytes");
}

TEST(LoggerStatusTextsTest, ClockTextsShowFractionalOffsetsTheRuleAndTheFirmware)
{
    const struct {
        std::string text;
        const char* expected;
    } cases[] = {
        {FormatUtcOffset(300), "-5.00 hours"},
        {FormatUtcOffset(-330), "5.50 hours"},
        {FormatUtcOffset(-345), "5.75 hours"},
        {FormatUtcOffset(30), "-0.50 hours"},
        {FormatUtcOffset(0), "0.00 hours"},
        {FormatTimeRule(0), "Local no DST"},
        {FormatTimeRule(0x800), "Local no DST"},
        {FormatTimeRule(0x001), "Local with DST"},
        {FormatTimeRule(0x400), "Local with DST"},
        {FormatFirmwareVersion(0x03010002), "3.1.0.2"},
        {FormatFirmwareVersion(0xFF00FF01), "255.0.255.1"},
        {FormatStatusCaption(4000000000u), "Logger Status     SN 4000000000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, c.expected);
}

TEST(LoggerStatusTextsTest, TimesReadAsTheirLocalFormsOrQuestionMarks)
{
    std::tm local{};
    local.tm_year = 2026 - 1900;
    local.tm_mon = 0;
    local.tm_mday = 5;
    local.tm_hour = 7;
    local.tm_min = 8;
    local.tm_sec = 9;
    local.tm_wday = 1;
    EXPECT_EQ(FormatLoggerTime(local), "Mon Jan  5 07:08:09 2026");
    EXPECT_EQ(FormatLoggerTime(std::nullopt), "????????");
    EXPECT_EQ(FormatRuntimeMessageLine(local, "Halted\nby user\n"), "Mon Jan 05 2026 07:08:09  Halted by user ");
    EXPECT_EQ(FormatRuntimeMessageLine(std::nullopt, "x"), "x");
    EXPECT_TRUE(LocalTimeOf(0).has_value());
}

TEST(LoggerStatusTextsTest, EnableTextNamesTheFreeSpaceOrAFullMemory)
{
    EXPECT_EQ(FormatEnableMemoryText(4096, 1000),
        "Internal memory size is 4096 KBytes and has 3096 KBytes free. Erase the memory before enabling the logger, "
        "or append to the data already stored?");
    EXPECT_EQ(FormatEnableMemoryText(4096, 4096), "Internal memory size is 4096 KBytes and the memory is full.");
}

}  // namespace
}  // namespace logger_status_texts_test
}  // namespace corvane
