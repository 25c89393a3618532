#include "loggersim/DiagnosticLogFile.h"

#include "data/DiagnosticLogBlock.h"
#include "halvix/protocol/DiagnosticLogLayout.h"
#include "halvix/protocol/RequestTypes.h"
#include "loggersim/LoggerStateFile.h"
#include "tests/platform/ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace diagnostic_log_file_test {
namespace {

constexpr std::int64_t kLoggerTime = 1768500000;

Frame Request(std::uint16_t type, std::vector<std::uint8_t> payload)
{
    Frame frame;
    frame.kind = FrameKind::Request;
    frame.requestType = type;
    frame.requestId = 7;
    frame.payload = std::move(payload);
    return frame;
}

Frame GetRequest(std::uint32_t offset)
{
    return Request(kRequestDbFGet, {static_cast<std::uint8_t>(offset), static_cast<std::uint8_t>(offset >> 8),
                                       static_cast<std::uint8_t>(offset >> 16), static_cast<std::uint8_t>(offset >> 24)});
}

Frame ControlRequest(std::uint8_t operation, std::vector<std::uint8_t> levels, std::uint8_t flag = 0)
{
    levels.resize(kDiagnosticLevelBlockSize, 0);
    levels.push_back(operation);
    levels.push_back(flag);
    return Request(kRequestQuvDbFCtl, std::move(levels));
}

// The records of a log, block by block, and how each block ended.
struct Walk {
    std::vector<std::string> texts;
    std::vector<DiagnosticBlockEnd> ends;
};
Walk WalkLog(const std::vector<std::uint8_t>& log)
{
    Walk walk;
    for (std::size_t start = 0; start < log.size(); start += kDiagnosticLogBlockSize) {
        const auto block = std::span(log).subspan(start, std::min(kDiagnosticLogBlockSize, log.size() - start));
        walk.ends.push_back(ParseDiagnosticBlock(
            block, [&](const DiagnosticLogRecord& record) { walk.texts.emplace_back(record.text); }));
    }
    return walk;
}

TEST(DiagnosticLogFile, GeneratedLogsHaveTheirSizeAndWholeRecordsInEveryBlock)
{
    for (const std::size_t size : {std::size_t{0}, std::size_t{5}, std::size_t{1500}, std::size_t{2048},
             std::size_t{10 * 1024 + 17}}) {
        SCOPED_TRACE(size);
        const std::vector<std::uint8_t> log = GenerateDiagnosticLog(3, size);
        EXPECT_EQ(log, GenerateDiagnosticLog(3, size));
        ASSERT_EQ(log.size(), size);
        const Walk walk = WalkLog(log);
        for (const DiagnosticBlockEnd end : walk.ends)
            EXPECT_TRUE(end == DiagnosticBlockEnd::UsedUp || end == DiagnosticBlockEnd::ZeroTime);
        if (size >= 1024) {
            EXPECT_GE(walk.texts.size(), 20u);
        }
    }
    EXPECT_NE(GenerateDiagnosticLog(1, 2048), GenerateDiagnosticLog(2, 2048));
}

TEST(DiagnosticLogFile, EventsAppendInTheLastBlockOrStartANewOne)
{
    std::vector<std::uint8_t> log;
    AppendDiagnosticEvent(log, kLoggerTime, 5, "first");
    EXPECT_EQ(log.size(), 6u + 6u);
    // One that does not fit the rest of the block starts the next one.
    AppendDiagnosticEvent(log, kLoggerTime, 6, std::string(1010, 'x'));
    EXPECT_EQ(log.size(), 1024u + 1017u);
    AppendDiagnosticEvent(log, kLoggerTime, 7, "third");
    const Walk walk = WalkLog(log);
    ASSERT_EQ(walk.texts.size(), 3u);
    EXPECT_EQ(walk.texts[0], "first");
    EXPECT_EQ(walk.texts[2], "third");
    EXPECT_EQ(log.size(), 1024u + 1024u + 12u);

    // A generated log with a zero tail takes the event in place of the tail.
    std::vector<std::uint8_t> generated = GenerateDiagnosticLog(1, 1500);
    const std::size_t before = WalkLog(generated).texts.size();
    AppendDiagnosticEvent(generated, kLoggerTime, 0, "after");
    const Walk after = WalkLog(generated);
    ASSERT_EQ(after.texts.size(), before + 1);
    EXPECT_EQ(after.texts.back(), "after");
}

TEST(DiagnosticLogFile, GetAnswersTheBytesFromTheOffsetAndAnEmptyReplyPastTheEnd)
{
    LoggerState state = LoggerState::Fresh();
    std::vector<std::uint8_t> log = GenerateDiagnosticLog(1, 1500);
    const struct {
        std::uint32_t offset;
        std::size_t size;
    } cases[] = {{0, 1024}, {1024, 476}, {1500, 0}, {4000, 0}, {0xFFFFFFFF, 0}};
    for (const auto& c : cases) {
        bool changed = true;
        const RequestOutcome outcome = AnswerDiagnosticLogRequest(state, log, GetRequest(c.offset), kLoggerTime, changed);
        ASSERT_TRUE(outcome.reply.has_value());
        EXPECT_FALSE(outcome.reply->error);
        EXPECT_FALSE(changed);
        ASSERT_EQ(outcome.reply->payload.size(), c.size) << c.offset;
        if (c.size > 0) {
            EXPECT_TRUE(std::equal(outcome.reply->payload.begin(), outcome.reply->payload.end(),
                log.begin() + static_cast<std::ptrdiff_t>(c.offset)));
        }
    }
    bool changed = false;
    EXPECT_TRUE(AnswerDiagnosticLogRequest(state, log, Request(kRequestDbFGet, {1, 2}), kLoggerTime, changed)
                    .reply->error);
}

TEST(DiagnosticLogFile, ControlQueriesSetsAndClears)
{
    LoggerState state = LoggerState::Fresh();
    std::vector<std::uint8_t> log = GenerateDiagnosticLog(1, 1500);
    bool changed = false;

    const RequestOutcome query = AnswerDiagnosticLogRequest(state, log, ControlRequest(5, {}), kLoggerTime, changed);
    ASSERT_GE(query.reply->payload.size(), kDiagnosticControlReplyMinSize);
    EXPECT_EQ(query.reply->payload[0], 5);
    EXPECT_TRUE(std::equal(state.diagnosticLevels.begin(), state.diagnosticLevels.end(),
        query.reply->payload.begin() + kDiagnosticReplyLevelsOffset));
    EXPECT_FALSE(changed);

    std::vector<std::uint8_t> levels(32, 3);
    levels[0] = 1;
    const std::size_t eventsBefore = WalkLog(log).texts.size();
    const RequestOutcome start
        = AnswerDiagnosticLogRequest(state, log, ControlRequest(0, levels, 1), kLoggerTime, changed);
    EXPECT_EQ(start.reply->payload[0], 0);
    EXPECT_EQ(start.reply->payload.size(), kDiagnosticControlReplyMinSize);
    EXPECT_TRUE(start.stateChanged);
    EXPECT_TRUE(changed);
    EXPECT_EQ(std::vector<std::uint8_t>(state.diagnosticLevels.begin(), state.diagnosticLevels.end()), levels);
    EXPECT_EQ(state.diagnosticTrace, 1);
    EXPECT_EQ(WalkLog(log).texts.size(), eventsBefore + 1);

    const RequestOutcome clear = AnswerDiagnosticLogRequest(state, log, ControlRequest(2, {}), kLoggerTime, changed);
    EXPECT_EQ(clear.reply->payload[0], 2);
    EXPECT_GE(clear.reply->payload.size(), kDiagnosticControlReplyMinSize);
    EXPECT_TRUE(changed);
    EXPECT_TRUE(log.empty());

    // A level above trace, an unknown operation, a short block: refused, nothing changed.
    const std::vector<Frame> refused = {ControlRequest(0, std::vector<std::uint8_t>(32, 4)), ControlRequest(9, {}),
        Request(kRequestQuvDbFCtl, std::vector<std::uint8_t>(65, 0))};
    for (const Frame& request : refused) {
        const RequestOutcome outcome = AnswerDiagnosticLogRequest(state, log, request, kLoggerTime, changed);
        EXPECT_TRUE(outcome.reply->error);
        EXPECT_FALSE(changed);
        EXPECT_EQ(state.diagnosticLevels[5], 3);
    }
}

TEST(DiagnosticLogFile, LevelsAndLogAreKeptInTheStateFolder)
{
    test::ScratchFolder folder;
    LoggerState state = LoggerState::Fresh();
    state.diagnosticLevels[7] = 2;
    state.diagnosticTrace = 1;
    ASSERT_FALSE(SaveLoggerState(folder.Path(), state));
    const LoadedLoggerState loaded = LoadLoggerState(folder.Path());
    EXPECT_EQ(loaded.state.diagnosticLevels, state.diagnosticLevels);
    EXPECT_EQ(loaded.state.diagnosticTrace, 1);

    EXPECT_FALSE(LoadDiagnosticLog(folder.Path()).found);
    const std::vector<std::uint8_t> log = GenerateDiagnosticLog(4, 2048);
    ASSERT_FALSE(SaveDiagnosticLog(folder.Path(), log));
    const LoadedDiagnosticLog back = LoadDiagnosticLog(folder.Path());
    EXPECT_TRUE(back.found);
    EXPECT_EQ(back.bytes, log);
}

}  // namespace
}  // namespace diagnostic_log_file_test
}  // namespace corvane
