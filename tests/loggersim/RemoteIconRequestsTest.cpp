#include "loggersim/RemoteIconRequests.h"

#include "base/ByteWriter.h"
#include "halvix/protocol/RemoteIconLayout.h"
#include "halvix/protocol/RequestTypes.h"
#include "tests/loggersim/RemoteIconNet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace remote_icon_requests_test {
namespace {

using test::NetDataTag;
using test::NetRemoteIcon;

constexpr std::int64_t kHostTime = 1700000000;

Frame Request(std::uint16_t type, std::vector<std::uint8_t> payload)
{
    Frame frame;
    frame.kind = FrameKind::Request;
    frame.requestType = type;
    frame.requestId = 9;
    frame.payload = std::move(payload);
    return frame;
}

Frame ListRequest(std::uint32_t continuation)
{
    std::vector<std::uint8_t> payload(2 + kRemoteIconBlockSize);
    ByteWriter writer(payload);
    writer.U16LE(kRemoteIconMessageKind);
    writer.Bytes(RemoteListBlock(continuation));
    return Request(kRequestIcpMsg, std::move(payload));
}

Frame WriteRequest(std::uint16_t iconId, const std::array<std::uint8_t, kRemoteIconBlockSize>& block)
{
    std::vector<std::uint8_t> payload(4 + kRemoteIconBlockSize);
    ByteWriter writer(payload);
    writer.U16LE(kRemoteIconMessageKind);
    writer.U16LE(iconId);
    writer.Bytes(block);
    return Request(kRequestIconMsg, std::move(payload));
}

Frame ContinuationRequest(std::uint16_t type, std::uint32_t continuation)
{
    std::vector<std::uint8_t> payload(4);
    ByteWriter(payload).U32LE(continuation);
    return Request(type, std::move(payload));
}

class RemoteIconRequestsTest : public ::testing::Test {
protected:
    RemoteIconRequestsTest()
    {
        std::vector<NetRemoteIcon> icons;
        for (std::uint16_t i = 0; i < 5; ++i)
            icons.push_back({static_cast<std::uint16_t>(10 + i), "Setpoint " + std::to_string(i), false, 1.5f * i});
        icons.push_back({20, "Fixed", false, 9.0f, false, false});  // not remote: never listed
        icons.push_back({21, "Pump", true, 0, true});
        const std::vector<NetDataTag> tags{
            {30, "Level", 3}, {31, "Count", 0x0800}, {32, "Idle", 2, false}, {33, "Flow", 1},
            {34, "Temp", 2}, {35, "Unlisted", 2}};
        const std::vector<std::uint32_t> probe{33, 30, 31, 32, 99, 34};  // 99 has no Data Tag icon
        state_.netImage = test::MakeRemoteIconNet(icons, tags, probe);
    }

    Frame Handle(const Frame& request)
    {
        RequestOutcome outcome = HandleRequest(state_, request, kHostTime);
        EXPECT_TRUE(outcome.reply.has_value());
        return outcome.reply.value_or(Frame{});
    }

    // Every part of a list, following the continuation values.
    std::vector<RemoteControlRecord> WholeList()
    {
        std::vector<RemoteControlRecord> records;
        std::uint32_t continuation = 0;
        int parts = 0;
        do {
            const Frame reply = Handle(ListRequest(continuation));
            auto parsed = ParseRemoteControlList(reply.payload);
            EXPECT_TRUE(std::holds_alternative<RemoteControlList>(parsed));
            if (!std::holds_alternative<RemoteControlList>(parsed))
                break;
            const auto& list = std::get<RemoteControlList>(parsed);
            records.insert(records.end(), list.records.begin(), list.records.end());
            continuation = list.continuation;
        } while (continuation != 0 && ++parts < 10);
        return records;
    }

    LoggerState state_ = LoggerState::Fresh();
};

TEST_F(RemoteIconRequestsTest, ListsTheRemoteIconsInPartsWithTheValuesWritten)
{
    const Frame first = Handle(ListRequest(0));
    auto firstPart = std::get<RemoteControlList>(ParseRemoteControlList(first.payload));
    EXPECT_EQ(firstPart.records.size(), kSimRemoteRecordsPerPart);
    EXPECT_NE(firstPart.continuation, 0u);

    std::vector<RemoteControlRecord> records = WholeList();
    ASSERT_EQ(records.size(), 6u);
    EXPECT_EQ(records[3].name, "Setpoint 3");
    EXPECT_EQ(records[3].constant, 4.5f);
    EXPECT_TRUE(records[5].isSwitch);
    EXPECT_TRUE(records[5].switchHigh);

    // A write is acknowledged with its 6-byte block and kept.
    const Frame ack = Handle(WriteRequest(13, RemoteConstantBlock(1000.0f)));
    EXPECT_EQ(ack.code, 0);
    EXPECT_EQ(ack.payload.size(), kRemoteAckSize);
    EXPECT_EQ(Handle(WriteRequest(21, RemoteSwitchBlock(false))).payload.size(), kRemoteAckSize);
    records = WholeList();
    EXPECT_EQ(records[3].constant, 1000.0f);
    EXPECT_FALSE(records[5].switchHigh);
}

TEST_F(RemoteIconRequestsTest, RefusesWritesAndListsItCannotTake)
{
    const struct {
        const char* what;
        Frame request;
        std::uint16_t code;
    } cases[] = {
        {"no remote icon of that id", WriteRequest(20, RemoteConstantBlock(1)), kSimErrorNoRemoteIcon},
        {"unknown id", WriteRequest(77, RemoteConstantBlock(1)), kSimErrorNoRemoteIcon},
        {"list operation in a write", WriteRequest(13, RemoteListBlock(0)), kSimErrorBadRequestData},
        {"short write", Request(kRequestIconMsg, {4, 1, 13, 0, 1, 0}), kSimErrorBadRequestData},
        {"part past the list", ListRequest(6), kSimErrorBadContinuation},
        {"short value request", Request(kRequestRtGet, {1, 0}), kSimErrorBadRequestData},
        {"descriptor part past the list", ContinuationRequest(kRequestRttId, 5), kSimErrorBadContinuation},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Handle(c.request).code, c.code) << c.what;
    EXPECT_TRUE(state_.remoteValues.empty());
}

TEST_F(RemoteIconRequestsTest, ProbeTagsAndReadingsFollowTheProbeIconAndTheClock)
{
    std::vector<ProbeDescriptor> descriptors;
    std::uint32_t continuation = 0;
    int parts = 0;
    do {
        auto part = std::get<ProbeDescriptorList>(ParseProbeDescriptors(
            Handle(ContinuationRequest(kRequestRttId, continuation)).payload));
        descriptors.insert(descriptors.end(), part.descriptors.begin(), part.descriptors.end());
        continuation = part.continuation;
        ++parts;
    } while (continuation != 0 && parts < 10);
    EXPECT_EQ(parts, 2);
    ASSERT_EQ(descriptors.size(), 5u);
    EXPECT_EQ(descriptors[0], (ProbeDescriptor{33, "Flow", "", 1, kProbeReal}));
    EXPECT_EQ(descriptors[2], (ProbeDescriptor{31, "Count", "", 0, kProbeInteger}));
    EXPECT_EQ(descriptors[4].name, "Temp");

    // Stopped: no readings yet.
    auto stopped = std::get<ProbeValueList>(ParseProbeValues(Handle(ContinuationRequest(kRequestRtGet, 0)).payload));
    for (const ProbeValueEntry& entry : stopped.entries)
        EXPECT_EQ(entry.time, 0);

    state_.running = true;
    const auto at = [&](std::int64_t host) {
        auto part = std::get<ProbeValueList>(ParseProbeValues(
            HandleRequest(state_, ContinuationRequest(kRequestRtGet, 0), host).reply->payload));
        return part.entries;
    };
    const std::vector<ProbeValueEntry> now = at(kHostTime);
    const std::vector<ProbeValueEntry> later = at(kHostTime + 3);
    ASSERT_EQ(now.size(), kSimProbeItemsPerPart);
    EXPECT_EQ(now[0].time, kHostTime);
    EXPECT_EQ(later[0].time, kHostTime + 3);
    EXPECT_NE(now[0].Real(), later[0].Real());
    EXPECT_EQ(now[3].time, 0);  // "Idle" has nothing at its input
    EXPECT_EQ(now[2].Real(), static_cast<float>(static_cast<int>(now[2].Real())));  // a whole number
}

}  // namespace
}  // namespace remote_icon_requests_test
}  // namespace corvane
