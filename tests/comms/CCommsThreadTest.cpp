#include "comms/CCommsThread.h"

#include "CommsFakes.h"
#include "PlatformTestSupport.h"
#include "comms/CConnectionDetails.h"
#include "comms/CommsThreadMessages.h"
#include "comms/MainFrameMessages.h"
#include "comms/RealTimeDataBlock.h"
#include "halvix/HalvixLib.h"
#include "halvix/MessagePoster.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace corvane {
namespace c_comms_thread_test {
namespace {

using test::CountedPayload;
using test::FixedCommsSettings;
using test::RecordingCommLog;
using test::RecordingMainFrame;
using test::RecordingWindow;

using Bytes = std::vector<std::uint8_t>;

// The data of a status or error message: code at bytes 2-3, text from byte 10.
Bytes StatusData(std::uint16_t code, std::string_view text, bool terminated = true)
{
    Bytes data{0xA1, 0xA2, static_cast<std::uint8_t>(code & 0xFF), static_cast<std::uint8_t>(code >> 8), 0xB4, 0xB5,
        0xB6, 0xB7, 0xB8, 0xB9};
    data.insert(data.end(), text.begin(), text.end());
    if (terminated) {
        data.push_back(0);
        data.push_back('x');  // bytes after the NUL are not text
    }
    return data;
}

Bytes Pattern(std::size_t length)
{
    Bytes data(length);
    for (std::size_t i = 0; i < length; ++i)
        data[i] = static_cast<std::uint8_t>(i * 29 + 3);
    return data;
}

class CCommsThreadTest : public test::PlatformTest {
protected:
    CCommsThreadTest() { thread_.Resume(); }

    void PostUnsolicited(std::uint16_t kind, Bytes data)
    {
        auto reply = std::make_unique<CReplyMessage>(kind, 0, false, std::string(), std::move(data));
        ASSERT_TRUE(App().PostThreadMessage(thread_.ThreadId(), kUnsolicitedMessage, kind, 0, std::move(reply)));
    }

    // Lets the thread handle everything posted so far, then delivers what
    // it posted to windows.
    void Drain()
    {
        ASSERT_EQ(thread_.Stop(), WorkerThread::StopResult::Joined);
        App().ProcessPending();
    }

    int LibraryLogMentions(std::string_view text) const
    {
        const std::vector<std::string> lines = library_.LogLines();
        return static_cast<int>(std::count_if(
            lines.begin(), lines.end(), [text](const std::string& line) { return line.find(text) != line.npos; }));
    }

    RecordingMainFrame mainFrame_;
    FixedCommsSettings settings_;
    RecordingCommLog commLog_;
    CConnectionDetails connection_{mainFrame_, settings_};
    HalvixLibrary library_{MakeApplicationPoster(App())};
    HalvixInstallation installation_{library_};
    CCommsThread thread_{App(), connection_, commLog_, mainFrame_};
};

struct PostSeen {
    MessageId id;
    std::uintptr_t wParam;
    friend bool operator==(const PostSeen&, const PostSeen&) = default;
};

std::vector<PostSeen> PostsSeen(const RecordingMainFrame& mainFrame)
{
    std::vector<PostSeen> seen;
    for (const auto& post : mainFrame.Posts())
        seen.push_back({post.id, post.wParam});
    return seen;
}

TEST_F(CCommsThreadTest, StatusMessagesReportRunStateChangesAndTheCard)
{
    const std::uint16_t codes[] = {19715, 19715, 3368, 19716, 19716, 3369, 1234};
    for (std::uint16_t code : codes)
        PostUnsolicited(kUnsolicitedStatus, StatusData(code, "Caf\xE9 " + std::to_string(code)));
    Drain();

    // A repeated run state changes nothing; the card state is passed on each time.
    EXPECT_EQ(PostsSeen(mainFrame_),
        (std::vector<PostSeen>{{kLoggerEnabledChangedMessage, 1}, {kCardStateChangedMessage, 1},
            {kLoggerEnabledChangedMessage, 0}, {kCardStateChangedMessage, 0}}));
    EXPECT_FALSE(connection_.IsLoggerEnabled());
    std::vector<std::string> expectedLines;
    for (std::uint16_t code : codes)
        expectedLines.push_back("INFO  |Caf\u00E9 " + std::to_string(code));
    EXPECT_EQ(commLog_.Lines(), expectedLines);
    EXPECT_EQ(LibraryLogMentions("Status: Logger enabled"), 2);
    EXPECT_EQ(LibraryLogMentions("Status: Logger halted"), 2);
    EXPECT_EQ(LibraryLogMentions("Status: SD Card installed"), 1);
    EXPECT_EQ(LibraryLogMentions("Status: SD Card removed"), 1);
}

TEST_F(CCommsThreadTest, EnabledStatusForARunningLoggerPostsNothing)
{
    connection_.SetLoggerEnabled(true);
    PostUnsolicited(kUnsolicitedStatus, StatusData(19715, "Enabled"));
    Drain();
    EXPECT_EQ(PostsSeen(mainFrame_), (std::vector<PostSeen>{{kLoggerEnabledChangedMessage, 1}}));
    EXPECT_TRUE(connection_.IsLoggerEnabled());
}

TEST_F(CCommsThreadTest, FatalErrorShowsANoticeUnlessItsCodeIsQuiet)
{
    PostUnsolicited(kUnsolicitedFatalError, StatusData(7, "Stack overflow"));
    PostUnsolicited(kUnsolicitedFatalError, StatusData(3840, "Watchdog"));
    Drain();

    const auto posts = mainFrame_.Posts();
    ASSERT_EQ(posts.size(), 1u);
    EXPECT_EQ(posts[0].id, kShowNoticeMessage);
    EXPECT_EQ(posts[0].wParam, kNoticeCaptionWarning);
    const auto* text = dynamic_cast<const ValuePayload<std::string>*>(posts[0].payload.get());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->value, "Fatal runtime error: Stack overflow");
    EXPECT_EQ(commLog_.Lines(), (std::vector<std::string>{"FATAL |Stack overflow", "FATAL |Watchdog"}));
    EXPECT_EQ(LibraryLogMentions("Fatal runtime error: Stack overflow"), 1);
    EXPECT_EQ(LibraryLogMentions("Watchdog"), 0);
}

TEST_F(CCommsThreadTest, RuntimeErrorIsOnlyLogged)
{
    PostUnsolicited(kUnsolicitedRuntimeError, StatusData(12, "Divide by zero"));
    Drain();
    EXPECT_TRUE(mainFrame_.Posts().empty());
    EXPECT_EQ(commLog_.Lines(), (std::vector<std::string>{"ERROR |Divide by zero"}));
    EXPECT_EQ(LibraryLogMentions("Runtime error exception: Divide by zero"), 1);
}

TEST_F(CCommsThreadTest, RealTimeItemsReachTheMainFrameAsAnOwnedBlock)
{
    struct Case {
        std::size_t dataLength;
        std::size_t count;
    };
    // Bytes after the last whole item are left out.
    const Case cases[] = {{10, 0}, {16, 1}, {22, 2}, {25, 2}, {10 + 6 * 100, 100}};
    for (const Case& c : cases)
        PostUnsolicited(kUnsolicitedRealTime, Pattern(c.dataLength));
    Drain();

    const auto posts = mainFrame_.Posts();
    ASSERT_EQ(posts.size(), std::size(cases));
    for (std::size_t i = 0; i < posts.size(); ++i) {
        SCOPED_TRACE(cases[i].dataLength);
        EXPECT_EQ(posts[i].id, kDataCacheItemMessage);
        EXPECT_EQ(posts[i].wParam, cases[i].count);
        const auto* block = dynamic_cast<const RealTimeDataBlock*>(posts[i].payload.get());
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(block->Count(), cases[i].count);
        const Bytes expected = Pattern(10 + 6 * cases[i].count);
        EXPECT_EQ(Bytes(block->Bytes().begin(), block->Bytes().end()), expected);
    }
    EXPECT_TRUE(commLog_.Lines().empty());
}

TEST_F(CCommsThreadTest, ShortOrUnknownMessagesChangeNothing)
{
    std::atomic<int> destroyed = 0;
    PostUnsolicited(kUnsolicitedStatus, {});
    Bytes nineBytes = StatusData(19715, "", false);
    nineBytes.resize(9);
    PostUnsolicited(kUnsolicitedStatus, nineBytes);                // the code, but the text would start past the end
    PostUnsolicited(kUnsolicitedStatus, Bytes{0, 0, 0x03, 0x4D});  // code 19715 but no text field
    PostUnsolicited(kUnsolicitedFatalError, Bytes(9, 0));
    PostUnsolicited(kUnsolicitedRuntimeError, Bytes(5, 0xFF));
    PostUnsolicited(kUnsolicitedRealTime, Bytes{});
    PostUnsolicited(kUnsolicitedRealTime, Pattern(9));
    PostUnsolicited(kUnsolicitedE020, StatusData(19715, "Ignored"));
    PostUnsolicited(0x1234, StatusData(3368, "Unknown kind"));
    PostUnsolicited(kUnsolicitedTestResult, Pattern(30));  // no window registered
    // A message without a reply object, or with something else, is dropped.
    App().PostThreadMessage(thread_.ThreadId(), kUnsolicitedMessage, kUnsolicitedStatus, 0);
    App().PostThreadMessage(
        thread_.ThreadId(), kUnsolicitedMessage, kUnsolicitedStatus, 0, std::make_unique<CountedPayload>(destroyed, 1));
    Drain();

    EXPECT_TRUE(mainFrame_.Posts().empty());
    EXPECT_TRUE(commLog_.Lines().empty());
    EXPECT_FALSE(connection_.IsLoggerEnabled());
    EXPECT_EQ(LibraryLogMentions("Status:"), 0);
    EXPECT_EQ(destroyed, 1);
}

TEST_F(CCommsThreadTest, UnterminatedTextEndsWithTheData)
{
    PostUnsolicited(kUnsolicitedStatus, StatusData(1, "No end", false));
    PostUnsolicited(kUnsolicitedStatus, StatusData(1, "", false));
    Drain();
    EXPECT_EQ(commLog_.Lines(), (std::vector<std::string>{"INFO  |No end", "INFO  |"}));
}

TEST_F(CCommsThreadTest, TestResultsReachOnlyARegisteredLiveWindow)
{
    std::vector<std::uint16_t> delivered;
    auto window = std::make_unique<RecordingWindow>();
    window->onMessage = [&delivered](Message& message) {
        if (auto reply = message.TakePayload<CReplyMessage>())
            delivered.push_back(reply->U16At(0).value_or(0));
        return std::intptr_t{0};
    };
    auto result = [](std::uint16_t tag) { return Bytes{static_cast<std::uint8_t>(tag), 0, 9, 9}; };

    const std::uint32_t threadId = thread_.ThreadId();
    const auto handle = static_cast<std::intptr_t>(window->Handle().value);
    PostUnsolicited(kUnsolicitedTestResult, result(1));  // before registration: dropped
    App().PostThreadMessage(threadId, kCommsRegisterWindowMessage, 0, handle);
    PostUnsolicited(kUnsolicitedTestResult, result(2));
    App().PostThreadMessage(threadId, kCommsUnregisterWindowMessage);
    PostUnsolicited(kUnsolicitedTestResult, result(3));
    App().PostThreadMessage(threadId, kCommsRegisterWindowMessage, 0, handle);
    PostUnsolicited(kUnsolicitedTestResult, result(4));
    Drain();
    ASSERT_EQ(delivered, (std::vector<std::uint16_t>{2, 4}));
    for (const auto& received : window->received)
        EXPECT_EQ(received.id, kUnsolicitedMessage);

    // Once the window is gone its results are dropped with their replies.
    CCommsThread second(App(), connection_, commLog_, mainFrame_);
    second.Resume();
    App().PostThreadMessage(second.ThreadId(), kCommsRegisterWindowMessage, 0, handle);
    window.reset();
    auto reply = std::make_unique<CReplyMessage>(kUnsolicitedTestResult, 0, false, std::string(), result(5));
    App().PostThreadMessage(second.ThreadId(), kUnsolicitedMessage, kUnsolicitedTestResult, 0, std::move(reply));
    EXPECT_EQ(second.Stop(), WorkerThread::StopResult::Joined);
    App().ProcessPending();
    EXPECT_EQ(delivered.size(), 2u);
}

TEST_F(CCommsThreadTest, StopEndsTheThreadAndLaterMessagesAreRefused)
{
    const std::uint32_t threadId = thread_.ThreadId();
    EXPECT_TRUE(thread_.Running());
    EXPECT_EQ(thread_.Stop(), WorkerThread::StopResult::Joined);
    EXPECT_FALSE(thread_.Running());
    std::atomic<int> destroyed = 0;
    EXPECT_FALSE(App().PostThreadMessage(
        threadId, kUnsolicitedMessage, kUnsolicitedStatus, 0, std::make_unique<CountedPayload>(destroyed, 1)));
    EXPECT_EQ(destroyed, 1);
}

TEST_F(CCommsThreadTest, RepliesWaitingForANeverStartedThreadAreFreed)
{
    // A leak here fails the sanitizer build.
    CCommsThread suspended(App(), connection_, commLog_, mainFrame_);
    auto reply = std::make_unique<CReplyMessage>(kUnsolicitedStatus, 0, false, std::string(), StatusData(19715, "x"));
    EXPECT_TRUE(App().PostThreadMessage(suspended.ThreadId(), kUnsolicitedMessage, 0, 0, std::move(reply)));
    EXPECT_EQ(suspended.Stop(), WorkerThread::StopResult::NotStarted);
    EXPECT_TRUE(mainFrame_.Posts().empty());
}

}  // namespace
}  // namespace c_comms_thread_test
}  // namespace corvane
