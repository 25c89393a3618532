#include "download/SessionListReply.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace corvane {
namespace session_list_reply_test {
namespace {

void PutU32(std::vector<std::uint8_t>& bytes, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<std::uint8_t>(value >> shift));
}

struct RecordFields {
    std::string name;
    std::uint32_t start;
    std::uint32_t stop;
    std::uint32_t size;
    std::uint16_t flags;
};

std::vector<std::uint8_t> ListData(bool more, const std::vector<RecordFields>& records)
{
    std::vector<std::uint8_t> bytes = {static_cast<std::uint8_t>(more ? 1 : 0), 0, 0, 0, 7, 0, 0, 0};
    for (const RecordFields& record : records) {
        std::string name = record.name;
        name.resize(8, '\0');
        bytes.insert(bytes.end(), name.begin(), name.end());
        PutU32(bytes, record.start);
        PutU32(bytes, record.stop);
        PutU32(bytes, record.size);
        PutU32(bytes, 0xDEADBEEF);
        bytes.push_back(static_cast<std::uint8_t>(record.flags));
        bytes.push_back(static_cast<std::uint8_t>(record.flags >> 8));
    }
    return bytes;
}

const std::vector<RecordFields> kThree = {
    {"6720A000", 0x6720A000, 0x6720B000, 5000, 0x0000},
    {"SHORT", 0x80000010, 0x80000020, 1, 0x0001},
    {"RUNNING7", 0x6720C000, 0, 1024, 0xF001},
};

TEST(SessionListReply, ReadsEveryFieldOfEachRecord)
{
    const SessionListReply reply = ParseSessionListReply(ListData(true, kThree));
    EXPECT_FALSE(reply.error) << reply.error.Describe();
    EXPECT_TRUE(reply.more);
    ASSERT_EQ(reply.sessions.size(), 3u);
    EXPECT_EQ(reply.sessions[0].name, "6720A000");
    EXPECT_EQ(reply.sessions[0].start, 0x6720A000u);
    EXPECT_EQ(reply.sessions[0].stop, 0x6720B000u);
    EXPECT_EQ(reply.sessions[0].size, 5000u);
    EXPECT_EQ(reply.sessions[0].mode, 0);
    // Bit 31 of the times is not part of them; low flag bits are the mode.
    EXPECT_EQ(reply.sessions[1].name, "SHORT");
    EXPECT_EQ(reply.sessions[1].start, 0x10u);
    EXPECT_EQ(reply.sessions[1].stop, 0x20u);
    EXPECT_EQ(reply.sessions[1].mode, 1);
    // Flags from 0xF000 up carry no mode.
    EXPECT_EQ(reply.sessions[2].stop, 0u);
    EXPECT_EQ(reply.sessions[2].mode, 0);
    EXPECT_FALSE(ParseSessionListReply(ListData(false, kThree)).more);
}

TEST(SessionListReply, KeepsWholeRecordsOfDataCutAtAnyLength)
{
    const std::vector<std::uint8_t> whole = ListData(true, kThree);
    for (std::size_t length = 0; length <= whole.size(); ++length) {
        SCOPED_TRACE(length);
        const SessionListReply reply = ParseSessionListReply(std::span(whole).first(length));
        if (length < 8) {
            EXPECT_TRUE(reply.error);
            EXPECT_EQ(reply.error.field, "continuation header");
            EXPECT_FALSE(reply.more);
            EXPECT_TRUE(reply.sessions.empty());
            continue;
        }
        EXPECT_TRUE(reply.more);
        EXPECT_EQ(reply.sessions.size(), (length - 8) / 26);
        const bool partial = (length - 8) % 26 != 0;
        EXPECT_EQ(static_cast<bool>(reply.error), partial);
        if (partial) {
            EXPECT_EQ(reply.error.field, "session record");
            EXPECT_EQ(reply.error.offset, 8 + (length - 8) / 26 * 26);
        }
    }
}

}  // namespace
}  // namespace session_list_reply_test
}  // namespace corvane
