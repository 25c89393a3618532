#include "shell/Waits.h"

#include "PlatformTestSupport.h"

#include <atomic>
#include <thread>

namespace corvane {
namespace waits_test {
namespace {

using test::RecordingWindow;

constexpr MessageId kTick = 0x8400;

class WaitsTest : public test::PlatformTest {
protected:
    void PostTicks(int count)
    {
        for (int i = 0; i < count; ++i)
            App().PostMessage(window_.Handle(), kTick);
    }
    // Each tick moves the clock on by stepMs and posts the next tick, as a
    // busy user interface would.
    void TickEvery(std::uint64_t stepMs)
    {
        window_.onMessage = [this, stepMs](Message&) {
            TestClock().Advance(stepMs);
            App().PostMessage(window_.Handle(), kTick);
            return std::intptr_t{0};
        };
    }

    RecordingWindow window_;
};

TEST_F(WaitsTest, WaitsBelowOneSecondReturnAtOnceWithoutPumping)
{
    PostTicks(2);
    WaitSeconds(0);
    WaitSeconds(-3);
    EXPECT_TRUE(window_.received.empty());
}

TEST_F(WaitsTest, ZeroMillisecondsPumpsExactlyOnce)
{
    PostTicks(3);
    WaitMilliseconds(0);
    EXPECT_EQ(window_.received.size(), 1u);
}

TEST_F(WaitsTest, PumpMessagesHandlesOneMessagePerRound)
{
    PostTicks(5);
    PumpMessages(2);
    EXPECT_EQ(window_.received.size(), 2u);
    RecordingWindow other;
    App().PostMessage(other.Handle(), kTick);
    PumpMessages(10, other.Handle());
    EXPECT_EQ(other.received.size(), 1u);
    EXPECT_EQ(window_.received.size(), 2u);
}

TEST_F(WaitsTest, WaitsKeepDispatchingUntilTheClockHasMoved)
{
    struct Case {
        bool seconds;
        std::uint32_t amount;
        std::uint64_t stepMs;
        std::size_t ticks;
    };
    const Case cases[] = {
        {false, 1000, 300, 4},
        {false, 1000, 250, 4},
        {false, 1, 5, 1},
        {true, 2, 500, 4},
    };
    for (const Case& c : cases) {
        window_.received.clear();
        TickEvery(c.stepMs);
        PostTicks(1);
        if (c.seconds)
            WaitSeconds(static_cast<int>(c.amount));
        else
            WaitMilliseconds(c.amount);
        EXPECT_EQ(window_.received.size(), c.ticks) << c.amount;
        window_.onMessage = nullptr;
        App().ProcessPending();
    }
}

TEST_F(WaitsTest, AQuitDuringAWaitIsKept)
{
    window_.onMessage = [this](Message&) {
        App().PostQuitMessage(7);
        TestClock().Advance(600);
        App().PostMessage(window_.Handle(), kTick);
        return std::intptr_t{0};
    };
    PostTicks(1);
    WaitMilliseconds(1000);
    EXPECT_EQ(window_.received.size(), 2u);
    EXPECT_TRUE(App().QuitRequested());
    window_.onMessage = nullptr;
    App().ProcessPending();
    EXPECT_EQ(App().Run(), 7);
}

TEST_F(WaitsTest, NoPumpWaitsLeaveMessagesWaiting)
{
    PostTicks(1);
    std::atomic<bool> done{false};
    // The clock moves on another thread until the wait has ended.
    std::thread mover([this, &done] {
        while (!done.load()) {
            TestClock().Advance(100);
            std::this_thread::yield();
        }
    });
    WaitMilliseconds(2000, true);
    done.store(true);
    mover.join();
    EXPECT_TRUE(window_.received.empty());
}

}  // namespace
}  // namespace waits_test
}  // namespace corvane
