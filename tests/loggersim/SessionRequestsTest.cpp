#include "loggersim/SessionRequests.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"
#include "halvix/protocol/RequestTypes.h"
#include "tests/loggersim/TestSessionStream.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace session_requests_test {
namespace {

using test::GeneratedStream;
using test::SessionAt;

Frame Request(std::uint16_t type, std::vector<std::uint8_t> payload)
{
    Frame frame;
    frame.kind = FrameKind::Request;
    frame.requestType = type;
    frame.requestId = 9;
    frame.payload = std::move(payload);
    return frame;
}

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

std::vector<std::uint8_t> StartData(std::uint16_t mode, std::string_view name)
{
    std::vector<std::uint8_t> data(2 + name.size());
    ByteWriter writer(data);
    writer.U16LE(mode);
    writer.FixedText(name, name.size());
    return data;
}

std::vector<LoggedSessionPlan> ManySessions(std::size_t count)
{
    std::vector<LoggedSessionPlan> sessions;
    for (std::size_t i = 0; i < count; ++i)
        sessions.push_back(SessionAt(0x67000000 + static_cast<std::uint32_t>(i) * 0x1000, 5));
    return sessions;
}

struct ListedSession {
    std::string name;
    std::uint32_t start = 0;
    std::uint32_t stop = 0;
    std::uint32_t size = 0;
    std::uint16_t flags = 0;
};

std::vector<ListedSession> RecordsOf(const Frame& reply)
{
    std::vector<ListedSession> listed;
    const std::size_t count = (reply.payload.size() - kSessionListHeaderSize) / kSessionRecordSize;
    EXPECT_EQ(kSessionListHeaderSize + count * kSessionRecordSize, reply.payload.size());
    ByteReader reader(reply.payload);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t base = kSessionListHeaderSize + i * kSessionRecordSize;
        ListedSession session;
        reader.Seek(base);
        session.name = std::string(reader.FixedText(kSessionNameSize));
        reader.Seek(base + kSessionStartOffset);
        session.start = reader.U32LE();
        reader.Seek(base + kSessionStopOffset);
        session.stop = reader.U32LE();
        reader.Seek(base + kSessionSizeOffset);
        session.size = reader.U32LE();
        reader.Seek(base + kSessionFlagsOffset);
        session.flags = reader.U16LE();
        listed.push_back(session);
    }
    EXPECT_FALSE(reader.Failed());
    return listed;
}

TEST(SessionRequestsTest, ListComesInBlocksFollowedByEchoingTheHeader)
{
    const LoggerState unit = LoggerState::Fresh();
    const std::vector<LoggedSessionPlan> sessions = ManySessions(10);
    std::vector<std::uint8_t> header(kSessionListHeaderSize, 0);
    std::vector<std::string> names;
    std::vector<std::size_t> blockSizes;
    for (int guard = 0; guard < 10; ++guard) {
        const RequestOutcome outcome = AnswerListSessions(unit, sessions, Request(kRequestListSessions, header));
        ASSERT_TRUE(outcome.reply);
        ASSERT_FALSE(outcome.reply->error);
        const std::vector<ListedSession> listed = RecordsOf(*outcome.reply);
        blockSizes.push_back(listed.size());
        for (const ListedSession& session : listed)
            names.push_back(session.name);
        if (outcome.reply->payload[kSessionListMoreOffset] == 0)
            break;
        header.assign(outcome.reply->payload.begin(), outcome.reply->payload.begin() + kSessionListHeaderSize);
    }
    EXPECT_EQ(blockSizes, (std::vector<std::size_t>{4, 4, 2}));
    std::vector<std::string> expected;
    for (const LoggedSessionPlan& plan : sessions)
        expected.push_back(SessionName(plan));
    EXPECT_EQ(names, expected);
}

TEST(SessionRequestsTest, ListRecordsTakeTheirFieldsFromTheSessions)
{
    const LoggerState unit = LoggerState::Fresh();
    LoggedSessionPlan rotary = SessionAt(0x6720A000, 100);
    rotary.loggingMode = 1;
    LoggedSessionPlan running = SessionAt(0x6720B000, 7);
    running.stopped = false;
    running.loggingMode = 2;
    LoggedSessionPlan subSecond = SessionAt(0x6720C000, 30);
    subSecond.subSecond = true;
    subSecond.intervalTicks = 20;
    const std::vector<LoggedSessionPlan> sessions = {rotary, running, subSecond};

    const RequestOutcome outcome =
        AnswerListSessions(unit, sessions, Request(kRequestListSessions, std::vector<std::uint8_t>(8, 0)));
    ASSERT_TRUE(outcome.reply);
    const std::vector<ListedSession> listed = RecordsOf(*outcome.reply);
    ASSERT_EQ(listed.size(), sessions.size());
    const char* const names[] = {"6720A000", "6720B000", "6720C000"};
    for (std::size_t i = 0; i < sessions.size(); ++i) {
        SCOPED_TRACE(names[i]);
        const LoggedSessionGenerator generator(unit, sessions[i]);
        EXPECT_EQ(listed[i].name, names[i]);
        EXPECT_EQ(listed[i].start, sessions[i].startSeconds);
        EXPECT_EQ(listed[i].stop, generator.StopSeconds());
        EXPECT_EQ(listed[i].size, GeneratedStream(unit, sessions[i]).size());
        EXPECT_EQ(listed[i].flags, sessions[i].loggingMode);
    }
    EXPECT_EQ(listed[1].stop, 0u);
    EXPECT_NE(listed[0].stop, 0u);
}

TEST(SessionRequestsTest, AnEmptyLoggerListsNoSessionsInOneBlock)
{
    const RequestOutcome outcome = AnswerListSessions(
        LoggerState::Fresh(), {}, Request(kRequestListSessions, std::vector<std::uint8_t>(8, 0)));
    ASSERT_TRUE(outcome.reply);
    EXPECT_FALSE(outcome.reply->error);
    EXPECT_EQ(outcome.reply->payload, std::vector<std::uint8_t>(kSessionListHeaderSize, 0));
}

TEST(SessionRequestsTest, RefusesBadRequestsAndUnknownNames)
{
    const LoggerState unit = LoggerState::Fresh();
    std::vector<LoggedSessionPlan> sessions = ManySessions(2);
    std::vector<std::uint8_t> pastTheEnd(kSessionListHeaderSize, 0);
    pastTheEnd[kSessionListNextOffset] = 3;
    std::unique_ptr<SessionDownload> download;
    struct Case {
        const char* name;
        Frame request;
        std::uint16_t code;
    } const cases[] = {
        {"short list header", Request(kRequestListSessions, std::vector<std::uint8_t>(7, 0)), kSimErrorBadRequestData},
        {"continuation past the end", Request(kRequestListSessions, pastTheEnd), kSimErrorBadRequestData},
        {"erase without a name", Request(kRequestEraseSession, {}), kSimErrorBadRequestData},
        {"erase of a long name", Request(kRequestEraseSession, Bytes("670000000")), kSimErrorBadRequestData},
        {"erase of an unknown name", Request(kRequestEraseSession, Bytes("12345678")), kSimErrorNoSuchSession},
        {"download of an unknown name", Request(kRequestSdlStart, StartData(1, "12345678")), kSimErrorNoSuchSession},
        {"download in an unknown mode", Request(kRequestSdlStart, StartData(2, "67000000")), kSimErrorBadRequestData},
        {"download without a name", Request(kRequestSdlStart, StartData(1, "")), kSimErrorBadRequestData},
        {"short download error", Request(kRequestSdlError, std::vector<std::uint8_t>(4, 0)), kSimErrorBadRequestData},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RequestOutcome outcome;
        switch (c.request.requestType) {
        case kRequestListSessions: outcome = AnswerListSessions(unit, sessions, c.request); break;
        case kRequestEraseSession: outcome = AnswerEraseSession(sessions, c.request); break;
        case kRequestSdlStart: outcome = AnswerSdlStart(unit, sessions, c.request, download); break;
        default: outcome = AnswerSdlError(c.request, download); break;
        }
        ASSERT_TRUE(outcome.reply);
        EXPECT_TRUE(outcome.reply->error);
        EXPECT_EQ(outcome.reply->code, c.code);
        EXPECT_EQ(sessions.size(), 2u);
        EXPECT_FALSE(download);
    }
}

TEST(SessionRequestsTest, EraseRemovesTheNamedSessionOnly)
{
    std::vector<LoggedSessionPlan> sessions = ManySessions(3);
    const std::vector<LoggedSessionPlan> before = sessions;
    // The name may come with its terminating NUL.
    std::vector<std::uint8_t> name = Bytes(SessionName(before[1]));
    name.push_back(0);
    const RequestOutcome outcome = AnswerEraseSession(sessions, Request(kRequestEraseSession, name));
    ASSERT_TRUE(outcome.reply);
    EXPECT_FALSE(outcome.reply->error);
    EXPECT_EQ(sessions, (std::vector<LoggedSessionPlan>{before[0], before[2]}));
}

TEST(SessionRequestsTest, DownloadStartsAndADownloadErrorStopsIt)
{
    const LoggerState unit = LoggerState::Fresh();
    const std::vector<LoggedSessionPlan> sessions = ManySessions(2);
    std::unique_ptr<SessionDownload> download;
    const RequestOutcome started =
        AnswerSdlStart(unit, sessions, Request(kRequestSdlStart, StartData(1, SessionName(sessions[1]))), download);
    ASSERT_TRUE(started.reply);
    EXPECT_FALSE(started.reply->error);
    EXPECT_EQ(started.reply->requestType, kReplySdlStarted);
    EXPECT_TRUE(started.reply->payload.empty());
    ASSERT_TRUE(download);
    const std::optional<SessionDownload::Block> first = download->Next();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->replyType, kReplySdlData);

    const RequestOutcome stopped = AnswerSdlError(Request(kRequestSdlError, std::vector<std::uint8_t>(8, 0)), download);
    ASSERT_TRUE(stopped.reply);
    EXPECT_FALSE(stopped.reply->error);
    EXPECT_FALSE(download);
}

}  // namespace
}  // namespace session_requests_test
}  // namespace corvane
