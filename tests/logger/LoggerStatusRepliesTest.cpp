#include "logger/LoggerStatusReplies.h"

#include "base/ByteWriter.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvane {
namespace logger_status_replies_test {
namespace {

std::vector<std::uint8_t> Block()
{
    std::vector<std::uint8_t> block(kStatusBlockBytes, 0);
    ByteWriter writer(block);
    writer.FixedText("North Well pump house", 22);  // 21 bytes: shown to 20
    writer.FixedText("NW-7", 22);
    writer.U32LE(0x03010002);
    writer.U32LE(0x80000220);
    writer.U32LE(0xFFFFFFFF);  // -1
    writer.U16LE(0x0001);
    writer.U16LE(static_cast<std::uint16_t>(-330));
    writer.U32LE(0xDEADBEEF);  // not read
    writer.FixedText("Pumps", 22);
    writer.FixedText("Flow and level", 22);
    writer.U32LE(8192);
    writer.U32LE(1024);
    writer.U32LE(5000);
    writer.F32LE(12.5f);
    writer.F32LE(3.5f);
    writer.F32LE(-4.25f);
    writer.U8(0x0B);  // kind 3 in the low bits
    writer.U8(190);
    writer.U8(35);
    writer.U8(4);
    return block;
}

TEST(LoggerStatusRepliesTest, StateBlockFieldsAreReadAtTheirOffsets)
{
    const LoggerStatusBlockReading reading = ReadLoggerStatusBlock(Block());
    ASSERT_TRUE(reading.block) << reading.error.Describe();
    const LoggerStatusBlock& b = *reading.block;
    EXPECT_EQ(b.unitName, "North Well pump hous");
    EXPECT_EQ(b.unitId, "NW-7");
    EXPECT_EQ(b.firmware, 0x03010002u);
    EXPECT_EQ(b.status, 0x80000220u);
    EXPECT_EQ(b.time, -1);
    EXPECT_EQ(b.timeRule, 1);
    EXPECT_EQ(b.zoneMinutesWest, -330);
    EXPECT_EQ(b.netName, "Pumps");
    EXPECT_EQ(b.netDescription, "Flow and level");
    EXPECT_EQ(b.memorySizeKb, 8192u);
    EXPECT_EQ(b.memoryUsedKb, 1024u);
    EXPECT_EQ(b.netMemoryBytes, 5000);
    EXPECT_EQ(b.supplyVolts, 12.5f);
    EXPECT_EQ(b.batteryVolts, 3.5f);
    EXPECT_EQ(b.temperatureC, -4.25f);
    EXPECT_EQ(b.interfaceKind, 3);
    EXPECT_EQ(b.clockBattery, 190);
    EXPECT_EQ(b.signalBars, 35);
    EXPECT_EQ(b.cellQualityBars, 4);

    // A longer block is read the same; the tail is not looked at.
    std::vector<std::uint8_t> longer = Block();
    longer.resize(300, 0xAA);
    EXPECT_EQ(ReadLoggerStatusBlock(longer).block->cellQualityBars, 4);
}

TEST(LoggerStatusRepliesTest, StateBlockCutAtAnyLengthIsRefusedAsAWhole)
{
    const std::vector<std::uint8_t> block = Block();
    for (std::size_t size = 0; size < block.size(); ++size) {
        const LoggerStatusBlockReading reading = ReadLoggerStatusBlock(std::span(block).first(size));
        EXPECT_FALSE(reading.block) << size;
        EXPECT_EQ(reading.error.kind, ByteErrorKind::Truncated) << size;
        EXPECT_EQ(reading.error.offset, 0u);
        EXPECT_EQ(reading.error.field, "state block");
    }
}

TEST(LoggerStatusRepliesTest, RuntimeMessagesEndAtSevenBytesAndTheirTextsStayInside)
{
    const struct {
        std::vector<std::uint8_t> data;
        std::optional<RuntimeMessage> message;
    } cases[] = {
        {{}, std::nullopt},
        {{3, 0}, std::nullopt},
        {{3, 0, 1, 2, 3, 4, 'x'}, std::nullopt},
        {{3, 0, 0x10, 0, 0, 0, 'x', 0}, RuntimeMessage{3, 16, "x"}},
        // No NUL: the text ends with the data.
        {{1, 1, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 'b'}, RuntimeMessage{0x101, -1, "ab"}},
        {{0, 0, 0, 0, 0, 0, 'o', 'k', 0, 'z', 'z'}, RuntimeMessage{0, 0, "ok"}},
        {{0, 0, 0, 0, 0, 0, 0, 'z'}, RuntimeMessage{0, 0, ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadRuntimeMessage(c.data), c.message) << c.data.size();
}

TEST(LoggerStatusRepliesTest, SerialNumberNeedsItsKeyAndFourBytes)
{
    const struct {
        std::vector<std::uint8_t> data;
        std::optional<std::uint32_t> serial;
        const char* field;
    } cases[] = {
        {{76, 0, 0x00, 0x28, 0x6B, 0xEE}, 4000000000u, ""},
        {{76, 0, 1, 0, 0, 0, 9, 9}, 1u, ""},
        {{76, 0, 1, 0, 0}, std::nullopt, "serial number"},
        {{76}, std::nullopt, "item key"},
        {{16, 0, 1, 0, 0, 0}, std::nullopt, "item key"},
    };
    for (const auto& c : cases) {
        const SerialNumberReading reading = ReadSerialNumberReply(c.data);
        EXPECT_EQ(reading.serial, c.serial);
        EXPECT_EQ(reading.error.field, c.field);
    }
}

}  // namespace
}  // namespace logger_status_replies_test
}  // namespace corvane
