#include "loggersim/ClockRequests.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"
#include "halvix/protocol/RequestTypes.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvane {
namespace clock_requests_test {
namespace {

constexpr std::int64_t kHostTime = 1700000000;

Frame Request(std::uint16_t type, std::vector<std::uint8_t> payload)
{
    Frame frame;
    frame.kind = FrameKind::Request;
    frame.requestType = type;
    frame.requestId = 7;
    frame.payload = std::move(payload);
    return frame;
}

std::vector<std::uint8_t> TimeSetPayload(std::int32_t utc, std::uint16_t rules, std::int16_t offset, std::uint16_t ms)
{
    std::vector<std::uint8_t> payload(10);
    ByteWriter writer(payload);
    writer.U32LE(static_cast<std::uint32_t>(utc));
    writer.U16LE(rules);
    writer.U16LE(static_cast<std::uint16_t>(offset));
    writer.U16LE(ms);
    return payload;
}

TEST(ClockRequestsTest, TimeSetMovesTheClockZoneAndRulesThatTheStateBlockShows)
{
    const struct {
        std::int32_t utc;
        std::uint16_t rules;
        std::int16_t offset;  // minutes west
    } cases[] = {{1767605400, 0, 300}, {1767605400 + 3600, 1, -60}, {1767000000, 3, 0}, {1767605400, 2, -1380}};
    for (const auto& c : cases) {
        LoggerState state = LoggerState::Fresh();
        const Frame request = Request(kRequestQuvTimeSet, TimeSetPayload(c.utc, c.rules, c.offset, 999));
        const RequestOutcome outcome = AnswerQuvTimeSet(state, request, kHostTime);
        ASSERT_TRUE(outcome.reply.has_value());
        EXPECT_FALSE(outcome.reply->error);
        EXPECT_TRUE(outcome.reply->payload.empty());
        EXPECT_TRUE(outcome.stateChanged);
        EXPECT_FALSE(outcome.restart);
        // The block, read at the same host time, gives the UTC time set
        // and the zone as sent.
        const std::vector<std::uint8_t> block = state.StateBlock(kHostTime + state.clockOffsetSeconds);
        ByteReader reader(block);
        reader.Seek(52);
        EXPECT_EQ(reader.I32LE(), c.utc);
        EXPECT_EQ(reader.U16LE(), c.rules);
        EXPECT_EQ(reader.I16LE(), c.offset);
    }
}

TEST(ClockRequestsTest, TimeSetRefusesWhatNoClockTakesAndChangesNothing)
{
    std::vector<std::uint8_t> shorter = TimeSetPayload(1767605400, 0, 0, 0);
    shorter.pop_back();
    std::vector<std::uint8_t> longer = TimeSetPayload(1767605400, 0, 0, 0);
    longer.push_back(0);
    const std::vector<std::uint8_t> cases[] = {
        {},
        shorter,
        longer,
        TimeSetPayload(1767605400, 4, 0, 0),
        TimeSetPayload(1767605400, 0, 1440, 0),
        TimeSetPayload(1767605400, 0, -1440, 0),
        TimeSetPayload(1767605400, 0, 0, 1000),
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        LoggerState state = LoggerState::Fresh();
        state.timeZoneMinutes = 120;
        const RequestOutcome outcome = AnswerQuvTimeSet(state, Request(kRequestQuvTimeSet, cases[i]), kHostTime);
        ASSERT_TRUE(outcome.reply.has_value()) << i;
        EXPECT_TRUE(outcome.reply->error) << i;
        EXPECT_FALSE(outcome.stateChanged) << i;
        EXPECT_EQ(state.clockOffsetSeconds, 0) << i;
        EXPECT_EQ(state.timeZoneMinutes, 120) << i;
    }
}

TEST(ClockRequestsTest, ResetAnswersWithDataAndThenRestarts)
{
    const RequestOutcome outcome = AnswerReset(Request(kRequestReset, {0, 0}));
    ASSERT_TRUE(outcome.reply.has_value());
    EXPECT_FALSE(outcome.reply->error);
    EXPECT_EQ(outcome.reply->payload, (std::vector<std::uint8_t>{0, 0}));
    EXPECT_TRUE(outcome.restart);
    for (const std::vector<std::uint8_t>& bad : {std::vector<std::uint8_t>{}, std::vector<std::uint8_t>{0, 0, 0}}) {
        const RequestOutcome refused = AnswerReset(Request(kRequestReset, bad));
        ASSERT_TRUE(refused.reply.has_value());
        EXPECT_TRUE(refused.reply->error);
        EXPECT_FALSE(refused.restart);
    }
}

}  // namespace
}  // namespace clock_requests_test
}  // namespace corvane
