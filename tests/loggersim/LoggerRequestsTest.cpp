#include "loggersim/LoggerRequests.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"
#include "halvix/protocol/FrameCodec.h"
#include "halvix/protocol/RequestTypes.h"

#include <gtest/gtest.h>

namespace corvane {
namespace logger_requests_test {
namespace {

constexpr std::int64_t kHostTime = 1700000000;

Frame Request(std::uint16_t type, std::vector<std::uint8_t> payload = {})
{
    Frame frame;
    frame.kind = FrameKind::Request;
    frame.requestType = type;
    frame.requestId = 99;
    frame.payload = std::move(payload);
    return frame;
}

Frame RunRequest(std::uint16_t flag) { return Request(kRequestRun, {static_cast<std::uint8_t>(flag), 0, 0, 0}); }

class LoggerRequestsTest : public ::testing::Test {
protected:
    RequestOutcome Handle(const Frame& request) { return HandleRequest(state_, request, kHostTime); }
    LoggerState state_ = LoggerState::Fresh();
};

TEST_F(LoggerRequestsTest, StartAndStopSendTheirStatusBeforeTheReply)
{
    const struct {
        std::uint16_t flag;
        std::uint16_t status;
        const char* text;
    } cases[] = {{1, kStatusLoggerEnabled, "Logger enabled"}, {0, kStatusLoggerHalted, "Logger halted"}};
    for (const auto& c : cases) {
        const RequestOutcome outcome = Handle(RunRequest(c.flag));
        ASSERT_EQ(outcome.messages.size(), 1u);
        const Frame& message = outcome.messages[0];
        EXPECT_EQ(message.kind, FrameKind::Unsolicited);
        EXPECT_EQ(message.requestType, kUnsolicitedStatus);
        ByteReader reader(message.payload);
        reader.Seek(2);
        EXPECT_EQ(reader.U16LE(), c.status);
        EXPECT_EQ(reader.U32LE(), static_cast<std::uint32_t>(kHostTime));
        reader.Seek(10);
        EXPECT_EQ(reader.FixedText(reader.Remaining()), c.text);
        ASSERT_TRUE(outcome.reply.has_value());
        EXPECT_EQ(outcome.reply->requestId, 99u);
        EXPECT_EQ(outcome.reply->code, 0);
        EXPECT_EQ(outcome.reply->payload, (std::vector<std::uint8_t>{2, 0}));
        EXPECT_TRUE(outcome.stateChanged);
        EXPECT_EQ(state_.running, c.flag == 1);
        EXPECT_EQ((state_.StatusWordNow() & 0x80000000u) != 0, c.flag == 1);
        const RequestOutcome runState = Handle(Request(kRequestGetRunState));
        ASSERT_TRUE(runState.reply.has_value());
        EXPECT_EQ(runState.reply->payload, (std::vector<std::uint8_t>{static_cast<std::uint8_t>(c.flag), 0}));
    }
}

TEST_F(LoggerRequestsTest, StoppingAStoppedLoggerAnswersAlreadyStopped)
{
    const RequestOutcome outcome = Handle(RunRequest(0));
    EXPECT_TRUE(outcome.messages.empty());
    ASSERT_TRUE(outcome.reply.has_value());
    EXPECT_FALSE(outcome.reply->error);
    EXPECT_EQ(outcome.reply->code, kCodeAlreadyStopped);
    EXPECT_EQ(outcome.reply->payload, (std::vector<std::uint8_t>{2, 0}));
    EXPECT_FALSE(outcome.stateChanged);
}

TEST_F(LoggerRequestsTest, RuntimeMessagesAreListedByIndexAndAHaltAddsOne)
{
    state_.AddRuntimeMessage(1600000000, "Logger was reset");
    (void)Handle(RunRequest(1));
    (void)Handle(RunRequest(0));
    ASSERT_EQ(state_.runtimeMessages.size(), 2u);
    struct Case {
        std::uint16_t index;
        std::uint32_t time;
        const char* text;  // null: past the last message
    };
    const Case cases[] = {
        {0, 1600000000, "Logger was reset"},
        {1, static_cast<std::uint32_t>(kHostTime), "Logging session halted by user"},
        {2, 0, nullptr},
        {700, 0, nullptr},
    };
    for (const Case& c : cases) {
        const RequestOutcome outcome = Handle(
            Request(kRequestInfoMsg, {static_cast<std::uint8_t>(c.index), static_cast<std::uint8_t>(c.index >> 8)}));
        ASSERT_TRUE(outcome.reply.has_value());
        EXPECT_FALSE(outcome.reply->error);
        ByteReader reader(outcome.reply->payload);
        EXPECT_EQ(reader.U16LE(), c.index);
        if (c.text == nullptr) {
            EXPECT_LE(outcome.reply->payload.size(), 7u) << c.index;
            continue;
        }
        EXPECT_EQ(reader.U32LE(), c.time);
        EXPECT_EQ(reader.FixedText(reader.Remaining()), c.text);
        EXPECT_EQ(outcome.reply->payload.back(), 0) << "the text ends with its NUL";
    }
    // The list keeps the newest lines.
    for (int i = 0; i < 100; ++i)
        state_.AddRuntimeMessage(i, "line " + std::to_string(i));
    EXPECT_EQ(state_.runtimeMessages.size(), LoggerState::kMaxRuntimeMessages);
    EXPECT_EQ(state_.runtimeMessages.back().text, "line 99");
}

TEST_F(LoggerRequestsTest, OnlyTheLoggingSessionsFlagsCanBeCleared)
{
    struct Case {
        std::uint32_t bits;
        bool cleared;
    };
    const Case cases[] = {
        {0x20, true},
        {0x1000000, true},
        {0x1 | 0x2000, true},
        {0x200, false},
        {0x20 | 0x4, false},
        {0, false},
    };
    for (const Case& c : cases) {
        state_.statusWord = 0x1003CF3 | 0x70000 | 0x30C;
        std::vector<std::uint8_t> bits(4);
        ByteWriter(bits).U32LE(c.bits);
        const RequestOutcome outcome = Handle(Request(kRequestSFlagClr, bits));
        ASSERT_TRUE(outcome.reply.has_value());
        EXPECT_EQ(outcome.reply->error, !c.cleared) << c.bits;
        if (c.cleared) {
            EXPECT_TRUE(outcome.reply->payload.empty());
            EXPECT_EQ(state_.statusWord, (0x1003CF3u | 0x70000u | 0x30Cu) & ~c.bits);
        } else {
            EXPECT_EQ(outcome.reply->code, kSimErrorFlagNotClearable);
            EXPECT_EQ(state_.statusWord, 0x1003CF3u | 0x70000u | 0x30Cu);
        }
    }
    EXPECT_EQ(Handle(Request(kRequestSFlagClr, {1, 0})).reply->code, kSimErrorBadRequestData);
}

TEST_F(LoggerRequestsTest, EnableAnswersBusyAsOftenAsTheStateSays)
{
    state_.runBusyAnswers = 2;
    for (int i = 0; i < 2; ++i) {
        const RequestOutcome busy = Handle(RunRequest(1));
        ASSERT_TRUE(busy.reply.has_value());
        EXPECT_EQ(busy.reply->payload, (std::vector<std::uint8_t>{1, 0}));
        EXPECT_TRUE(busy.messages.empty());
        EXPECT_FALSE(state_.running);
    }
    const RequestOutcome done = Handle(RunRequest(1));
    EXPECT_EQ(done.reply->payload, (std::vector<std::uint8_t>{2, 0}));
    EXPECT_TRUE(state_.running);
    EXPECT_EQ(state_.runBusyAnswers, 0u);
}

TEST_F(LoggerRequestsTest, TheStateBlockHoldsEachFieldAtItsOffset)
{
    state_.unitName = "North Well";
    state_.firmwareVersion = 0x01020304;
    state_.statusWord = 0x200;
    state_.running = true;
    state_.clockOffsetSeconds = 60;
    state_.daylightRule = 1;
    state_.timeZoneMinutes = 300;
    state_.netName = "Pumps";
    state_.logMemoryKb = 4096;
    state_.logUsedKb = 100;
    state_.temperatureC = 21.5f;
    state_.hardwareType = 2;
    state_.clockBattery = 180;
    const RequestOutcome outcome = Handle(Request(kRequestStateGet));
    ASSERT_TRUE(outcome.reply.has_value());
    const auto& block = outcome.reply->payload;
    ASSERT_EQ(block.size(), 136u);
    ByteReader reader(block);
    EXPECT_EQ(reader.FixedText(22), "North Well");
    EXPECT_EQ(reader.FixedText(22), "SIM-0001");
    EXPECT_EQ(reader.U32LE(), 0x01020304u);
    EXPECT_EQ(reader.U32LE(), 0x80000200u);
    EXPECT_EQ(reader.I32LE(), kHostTime + 60);
    EXPECT_EQ(reader.U16LE(), 1);
    EXPECT_EQ(reader.I16LE(), 300);
    reader.Seek(64);
    EXPECT_EQ(reader.FixedText(22), "Pumps");
    reader.Seek(108);
    EXPECT_EQ(reader.U32LE(), 4096u);
    EXPECT_EQ(reader.U32LE(), 100u);
    reader.Seek(128);
    EXPECT_EQ(reader.F32LE(), 21.5f);
    EXPECT_EQ(reader.U8(), 2);
    EXPECT_EQ(reader.U8(), 180);
    EXPECT_FALSE(reader.Failed());
}

TEST_F(LoggerRequestsTest, ItemsAreReadAndWrittenAtTheirLengths)
{
    RequestOutcome get = Handle(Request(kRequestCfGet, {91, 0}));
    ASSERT_TRUE(get.reply.has_value());
    EXPECT_EQ(get.reply->payload, (std::vector<std::uint8_t>{91, 0, 1}));

    RequestOutcome set = Handle(Request(kRequestCfSet, {80, 'b', 'o', 'b', 0}));
    ASSERT_TRUE(set.reply.has_value());
    EXPECT_FALSE(set.reply->error);
    EXPECT_EQ(set.reply->payload, (std::vector<std::uint8_t>{80, 0}));
    EXPECT_TRUE(set.stateChanged);
    get = Handle(Request(kRequestCfGet, {80, 0}));
    ASSERT_EQ(get.reply->payload.size(), 2u + 64u);
    EXPECT_EQ(get.reply->payload[2], 'b');
    EXPECT_EQ(get.reply->payload[6], 0);
}

TEST_F(LoggerRequestsTest, BadRequestsGetErrorRepliesWithCodeAndText)
{
    state_.items.erase(22);
    const struct {
        const char* why;
        Frame request;
        std::uint16_t code;
    } cases[] = {
        {"unknown type", Request(4000), kSimErrorUnknownRequest},
        {"short key", Request(kRequestCfGet, {5}), kSimErrorBadRequestData},
        {"absent item", Request(kRequestCfGet, {22, 0}), kSimErrorNoSuchItem},
        {"key outside the table", Request(kRequestCfGet, {200, 0}), kSimErrorNoSuchItem},
        {"no key", Request(kRequestCfSet), kSimErrorBadRequestData},
        {"too long", Request(kRequestCfSet, {91, 1, 2}), kSimErrorItemLength},
        {"set absent item", Request(kRequestCfSet, {22, 1}), kSimErrorNoSuchItem},
        {"bad run flag", Request(kRequestRun, {7, 0, 0, 0}), kSimErrorBadRequestData},
        {"short run", Request(kRequestRun, {1}), kSimErrorBadRequestData},
        {"bad stream flag", Request(kRequestRtStreamReq, {9, 0}), kSimErrorBadRequestData},
    };
    for (const auto& c : cases) {
        const RequestOutcome outcome = Handle(c.request);
        ASSERT_TRUE(outcome.reply.has_value()) << c.why;
        EXPECT_TRUE(outcome.reply->error) << c.why;
        EXPECT_EQ(outcome.reply->code, c.code) << c.why;
        const ErrorPayload error = ParseErrorPayload(outcome.reply->payload);
        EXPECT_EQ(error.code, c.code) << c.why;
        EXPECT_FALSE(error.text.empty()) << c.why;
        EXPECT_EQ(outcome.reply->payload.back(), 0) << c.why;
        EXPECT_FALSE(outcome.stateChanged) << c.why;
    }
}

TEST_F(LoggerRequestsTest, ConfigurationDoesNotChangeWhileEnabled)
{
    state_.running = true;
    const RequestOutcome outcome = Handle(Request(kRequestCfSet, {17, 'X', 0}));
    ASSERT_TRUE(outcome.reply.has_value());
    EXPECT_EQ(outcome.reply->code, kSimErrorLoggerEnabled);
    EXPECT_EQ(state_.unitName, "Simulated Logger");
}

TEST_F(LoggerRequestsTest, LinkRepliesCarryData)
{
    const struct {
        Frame request;
        std::vector<std::uint8_t> data;
    } cases[] = {
        {Request(kRequestPing, {'P', 'P', 0}), {'P', 'P', 0}},
        {Request(kRequestPing), {0}},
        {Request(kRequestMsgTimeout), {0x88, 0x13, 0, 0}},
        {Request(kRequestPwStatus), {0, 1}},
        {Request(kRequestRtStreamReq, {1, 0}), {1, 0}},
        {Request(kRequestOobS, {1, 0}), {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        const RequestOutcome outcome = Handle(c.request);
        ASSERT_TRUE(outcome.reply.has_value());
        EXPECT_FALSE(outcome.reply->error) << c.request.requestType;
        EXPECT_EQ(outcome.reply->payload, c.data) << c.request.requestType;
    }
    EXPECT_EQ(Handle(Request(kRequestRtStreamReq, {1, 0})).streaming, true);
    EXPECT_EQ(Handle(Request(kRequestDisco)).streaming, false);
}

TEST(LoggerMessagesTest, RealTimeMessageHoldsItsItems)
{
    const RealTimeItem items[] = {{4, 1.5f}, {9, -2.0f}};
    const Frame message = MakeRealTimeMessage(3, 1000, 150, items);
    EXPECT_EQ(message.requestType, kUnsolicitedRealTime);
    ASSERT_EQ(message.payload.size(), 22u);
    ByteReader reader(message.payload);
    EXPECT_EQ(reader.U32LE(), 3u);
    EXPECT_EQ(reader.U32LE(), 1000u);
    EXPECT_EQ(reader.U16LE(), 150);
    EXPECT_EQ(reader.U16LE(), 4);
    EXPECT_EQ(reader.F32LE(), 1.5f);
    EXPECT_EQ(reader.U16LE(), 9);
    EXPECT_EQ(reader.F32LE(), -2.0f);
}

}  // namespace
}  // namespace logger_requests_test
}  // namespace corvane
