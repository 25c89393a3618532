#include "platform/Application.h"

#include "PlatformTestSupport.h"

#include <chrono>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <thread>

namespace corvane {
namespace application_test {
namespace {

using test::CountedPayload;
using test::PlatformTest;
using test::RecordingWindow;

constexpr MessageId kPing = kUserMessage + 1;

using ApplicationTest = PlatformTest;

TEST_F(ApplicationTest, DeliversPostedMessagesInPostingOrderFromAnyThread)
{
    RecordingWindow window;
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(App().PostMessage(window.Handle(), kPing, static_cast<std::uintptr_t>(i)));
    std::thread other([&] {
        for (int i = 5; i < 10; ++i)
            App().PostMessage(window.Handle(), kPing, static_cast<std::uintptr_t>(i));
    });
    other.join();
    EXPECT_TRUE(window.received.empty()) << "nothing is delivered before the loop runs";
    App().ProcessPending();
    ASSERT_EQ(window.received.size(), 10u);
    for (std::size_t i = 0; i < 10; ++i)
        EXPECT_EQ(window.received[i].wParam, i);
}

TEST_F(ApplicationTest, PayloadBelongsToTheReceiver)
{
    std::atomic<int> destroyed = 0;
    std::unique_ptr<CountedPayload> kept;
    RecordingWindow window;
    window.onMessage = [&](Message& m) {
        if (m.wParam == 1)
            kept = m.TakePayload<CountedPayload>();
        return 0;
    };
    App().PostMessage(window.Handle(), kPing, 1, 0, std::make_unique<CountedPayload>(destroyed, 1));
    App().PostMessage(window.Handle(), kPing, 2, 0, std::make_unique<CountedPayload>(destroyed, 2));
    App().ProcessPending();
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->tag, 1);
    EXPECT_EQ(destroyed, 1) << "the payload the handler left is destroyed after the handler";
    kept.reset();
    EXPECT_EQ(destroyed, 2);
}

TEST_F(ApplicationTest, PayloadsForGoneWindowsAreDestroyedNotDelivered)
{
    std::atomic<int> destroyed = 0;
    WindowHandle handle;
    {
        RecordingWindow window;
        handle = window.Handle();
        EXPECT_TRUE(App().IsWindow(handle));
        // Queued while the window lives, delivered after it is gone.
        App().PostMessage(handle, kPing, 0, 0, std::make_unique<CountedPayload>(destroyed, 1));
    }
    EXPECT_FALSE(App().IsWindow(handle));
    App().ProcessPending();
    EXPECT_EQ(destroyed, 1);
    // Posted after the window is gone: refused, payload destroyed at once.
    EXPECT_FALSE(App().PostMessage(handle, kPing, 0, 0, std::make_unique<CountedPayload>(destroyed, 2)));
    EXPECT_EQ(destroyed, 2);
    // A new window never gets the old handle.
    RecordingWindow next;
    EXPECT_NE(next.Handle(), handle);
}

TEST_F(ApplicationTest, SendMessageCallsTheHandlerOnTheUiThread)
{
    RecordingWindow window;
    std::thread::id handledOn;
    window.onMessage = [&](Message& m) {
        handledOn = std::this_thread::get_id();
        return static_cast<std::intptr_t>(m.wParam * 2);
    };
    EXPECT_EQ(App().SendMessage(window.Handle(), kPing, 21), 42);

    std::atomic<std::intptr_t> fromWorker = -1;
    std::thread worker([&] { fromWorker = App().SendMessage(window.Handle(), kPing, 50); });
    while (fromWorker == -1)
        App().WaitMilliseconds(0);
    worker.join();
    EXPECT_EQ(fromWorker, 100);
    EXPECT_EQ(handledOn, std::this_thread::get_id());
    EXPECT_EQ(App().SendMessage(WindowHandle{999999}, kPing), 0);
}

TEST_F(ApplicationTest, TimersFireOnTheTestClockUntilKilled)
{
    RecordingWindow a;
    RecordingWindow b;
    ASSERT_TRUE(a.SetTimer(7, 250));
    ASSERT_TRUE(b.SetTimer(2, 100));
    App().ProcessPending();
    EXPECT_TRUE(a.received.empty());

    TestClock().Advance(100);
    App().ProcessPending();
    ASSERT_EQ(b.received.size(), 1u);
    EXPECT_EQ(b.received[0].id, kTimerMessage);
    EXPECT_EQ(b.received[0].wParam, 2u);
    EXPECT_TRUE(a.received.empty());

    // Late by several intervals: one tick, no burst.
    TestClock().Advance(400);
    App().ProcessPending();
    EXPECT_EQ(a.received.size(), 1u);
    EXPECT_EQ(b.received.size(), 2u);

    EXPECT_TRUE(a.KillTimer(7));
    EXPECT_FALSE(a.KillTimer(7));
    TestClock().Advance(1000);
    App().ProcessPending();
    EXPECT_EQ(a.received.size(), 1u);
    EXPECT_EQ(b.received.size(), 3u);
}

// On real time: a timer handler that runs a nested loop (as a modal dialog
// opened from a timer does) still sees other timers fire inside it.
class SteadyApplicationTest : public PlatformTest {
protected:
    SteadyApplicationTest() : PlatformTest(true) {}
};

TEST_F(SteadyApplicationTest, TimersFireInsideALoopNestedInATimerHandler)
{
    RecordingWindow ticking;
    RecordingWindow opener;
    std::size_t ticksInside = 0;
    bool opened = false;
    opener.onMessage = [&](Message& message) {
        if (message.id != kTimerMessage || opened)
            return std::intptr_t{0};
        opened = true;
        opener.KillTimer(1);
        // A nested loop of short waits, until the other timer has ticked in it.
        const std::size_t before = ticking.received.size();
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (ticking.received.size() == before && std::chrono::steady_clock::now() < giveUp)
            App().WaitMilliseconds(1);
        ticksInside = ticking.received.size() - before;
        return std::intptr_t{0};
    };
    ASSERT_TRUE(opener.SetTimer(1, 10));
    ASSERT_TRUE(ticking.SetTimer(2, 20));
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!opened && std::chrono::steady_clock::now() < giveUp)
        App().WaitMilliseconds(1);
    ASSERT_TRUE(opened);
    EXPECT_GT(ticksInside, 0u);
}

TEST_F(ApplicationTest, TimersEndWithTheirWindow)
{
    auto window = std::make_unique<RecordingWindow>();
    const WindowHandle handle = window->Handle();
    window->SetTimer(1, 10);
    window.reset();
    TestClock().Advance(50);
    App().ProcessPending();  // must not reach the destroyed window
    EXPECT_FALSE(App().SetTimer(handle, 1, 10));
}

TEST_F(ApplicationTest, WaitsPumpMessagesAndNest)
{
    RecordingWindow window;
    int depth = 0;
    int deepest = 0;
    window.onMessage = [&](Message& m) {
        ++depth;
        deepest = std::max(deepest, depth);
        if (m.wParam == 1) {
            // A handler that waits keeps the loop going for later messages.
            App().PostMessage(window.Handle(), kPing, 2);
            App().WaitMilliseconds(0);
        }
        --depth;
        return 0;
    };
    App().PostMessage(window.Handle(), kPing, 1);
    App().WaitMilliseconds(0);
    ASSERT_EQ(window.received.size(), 2u);
    EXPECT_EQ(deepest, 2) << "the second message was handled inside the first one's wait";

    // No pumping: the message stays queued.
    App().PostMessage(window.Handle(), kPing, 3);
    App().WaitMilliseconds(0, true);
    App().WaitSeconds(0);
    App().WaitSeconds(-3);
    EXPECT_EQ(window.received.size(), 2u);
    App().PumpMessages(1);
    EXPECT_EQ(window.received.size(), 3u);
}

TEST_F(ApplicationTest, WaitEndsWhenTheClockHasMoved)
{
    RecordingWindow window;
    // Each message moves the clock on; the wait ends after 300 ms of it.
    window.onMessage = [&](Message&) {
        TestClock().Advance(100);
        App().PostMessage(window.Handle(), kPing);
        return 0;
    };
    App().PostMessage(window.Handle(), kPing);
    App().WaitMilliseconds(300);
    EXPECT_GE(window.received.size(), 3u);
    EXPECT_LE(window.received.size(), 4u);
}

TEST_F(ApplicationTest, PumpForOneWindowLeavesOthersQueued)
{
    RecordingWindow a;
    RecordingWindow b;
    App().PostMessage(a.Handle(), kPing, 1);
    App().PostMessage(b.Handle(), kPing, 2);
    App().PumpMessages(2, b.Handle());
    EXPECT_TRUE(a.received.empty());
    ASSERT_EQ(b.received.size(), 1u);
    App().ProcessPending();
    EXPECT_EQ(a.received.size(), 1u);
}

TEST_F(ApplicationTest, QuitRequestedDuringAWaitIsKept)
{
    RecordingWindow window;
    window.onMessage = [&](Message& m) {
        if (m.wParam == 1) {
            App().PostQuitMessage(3);
            App().PostMessage(window.Handle(), kPing, 2);
            App().WaitMilliseconds(0);  // the inner wait goes on; quit stays requested
            EXPECT_TRUE(App().QuitRequested());
        }
        return 0;
    };
    App().PostMessage(window.Handle(), kPing, 1);
    EXPECT_EQ(App().Run(), 3);
    EXPECT_EQ(window.received.size(), 2u);
}

TEST_F(ApplicationTest, QuitFromAnotherThreadEndsTheLoop)
{
    std::thread other([&] { App().PostQuitMessage(0); });
    EXPECT_EQ(App().Run(), 0);
    other.join();
}

TEST_F(ApplicationTest, NumbersStayInTheCLocale)
{
    EXPECT_STREQ(std::localeconv()->decimal_point, ".");
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
}

}  // namespace
}  // namespace application_test
}  // namespace corvane

namespace corvane {
namespace application_test {
namespace {

TEST_F(ApplicationTest, TheTestClocksCalendarTimeIsSetAndMovesWithTheClock)
{
    EXPECT_EQ(App().GetClock().CalendarSeconds(), ManualClock::kDefaultCalendarSeconds);
    TestClock().SetCalendarSeconds(1'000'000);
    TestClock().Advance(2500);
    EXPECT_EQ(App().GetClock().CalendarSeconds(), 1'000'002);
}

TEST(ApplicationSteadyClockTest, CalendarTimeIsTheSystemTime)
{
    const SteadyClock clock;
    const auto before = static_cast<std::int64_t>(std::time(nullptr));
    const std::int64_t now = clock.CalendarSeconds();
    EXPECT_GE(now, before);
    EXPECT_LE(now, static_cast<std::int64_t>(std::time(nullptr)));
}

TEST(ApplicationSteadyClockTest, TimersDriveTheRealLoop)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    Application app({"corvane-test"});
    test::RecordingWindow window;
    window.onMessage = [&](Message& m) {
        if (m.id == kTimerMessage && window.received.size() == 3)
            app.PostQuitMessage(0);
        return 0;
    };
    window.SetTimer(1, 5);
    EXPECT_EQ(app.Run(), 0);
    EXPECT_EQ(window.received.size(), 3u);
}

}  // namespace
}  // namespace application_test
}  // namespace corvane
