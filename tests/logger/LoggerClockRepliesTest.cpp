#include "logger/LoggerClockReplies.h"

#include "base/ByteWriter.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvane {
namespace logger_clock_replies_test {
namespace {

std::vector<std::uint8_t> StateBlock()
{
    std::vector<std::uint8_t> block(kClockStateBlockSize, 0xEE);
    ByteWriter writer(block);
    writer.Seek(52);
    writer.I32LE(1767605400);
    writer.U16LE(3);
    writer.I16LE(-330);
    writer.Seek(132);
    writer.U8(0x05);
    return block;
}

TEST(LoggerClockRepliesTest, TheClockFieldsAreReadAtTheirOffsets)
{
    const auto read = ReadClockState(StateBlock());
    const ClockState* state = std::get_if<ClockState>(&read);
    ASSERT_NE(state, nullptr);
    EXPECT_EQ(state->utcSeconds, 1767605400);
    EXPECT_EQ(state->ruleBits, 3);
    EXPECT_EQ(state->offsetMinutesWest, -330);
    EXPECT_EQ(state->interfaceKind, 5);
    // A longer reply reads the same.
    std::vector<std::uint8_t> longer = StateBlock();
    longer.resize(200, 0);
    EXPECT_TRUE(std::holds_alternative<ClockState>(ReadClockState(longer)));
}

TEST(LoggerClockRepliesTest, AStateBlockCutAnywhereIsRefusedNamingTheBlock)
{
    const std::vector<std::uint8_t> block = StateBlock();
    for (std::size_t size = 0; size < block.size(); ++size) {
        const auto read = ReadClockState(std::span(block).first(size));
        const ByteError* error = std::get_if<ByteError>(&read);
        ASSERT_NE(error, nullptr) << size;
        EXPECT_EQ(error->kind, ByteErrorKind::Truncated) << size;
        EXPECT_EQ(error->field, "state block") << size;
    }
}

TEST(LoggerClockRepliesTest, TheServerNameEndsAtItsNulTheDataOrItsLimit)
{
    const auto reply = [](std::uint16_t key, std::string_view text) {
        std::vector<std::uint8_t> data(2 + text.size());
        ByteWriter writer(data);
        writer.U16LE(key);
        writer.Bytes(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
        return data;
    };
    const struct {
        std::vector<std::uint8_t> data;
        const char* name;
    } cases[] = {
        {reply(78, std::string("pool.ntp.org\0junk", 17)), "pool.ntp.org"},
        {reply(78, "time.example"), "time.example"},  // no NUL: up to the end
        {reply(78, ""), ""},
        {reply(78, std::string(80, 'x')), nullptr},
    };
    for (const auto& c : cases) {
        const auto read = ReadTimeServerName(c.data);
        const std::string* name = std::get_if<std::string>(&read);
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(*name, c.name != nullptr ? std::string(c.name) : std::string(63, 'x'));
    }
    for (const std::vector<std::uint8_t>& bad : {std::vector<std::uint8_t>{}, std::vector<std::uint8_t>{78},
             reply(79, "pool.ntp.org")}) {
        const auto read = ReadTimeServerName(bad);
        const ByteError* error = std::get_if<ByteError>(&read);
        ASSERT_NE(error, nullptr) << bad.size();
        EXPECT_EQ(error->field, "item key");
    }
}

}  // namespace
}  // namespace logger_clock_replies_test
}  // namespace corvane
