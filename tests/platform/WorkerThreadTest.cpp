#include "platform/WorkerThread.h"

#include "PlatformTestSupport.h"
#include "platform/Event.h"
#include "platform/ThreadRegistry.h"

#include <chrono>
#include <thread>

namespace corvane {
namespace worker_thread_test {
namespace {

using namespace std::chrono_literals;
using test::CountedPayload;
using test::PlatformTest;
using test::RecordingWindow;

constexpr MessageId kJob = kUserMessage + 10;
constexpr MessageId kDone = kUserMessage + 11;

using WorkerThreadTest = PlatformTest;

TEST_F(WorkerThreadTest, RoundTripBetweenWorkerAndWindow)
{
    RecordingWindow window;
    std::atomic<int> destroyed = 0;
    std::thread::id workerId;
    WorkerThread worker(App().Threads(), [&](Message& m) {
        workerId = std::this_thread::get_id();
        auto payload = m.TakePayload<CountedPayload>();
        App().PostMessage(window.Handle(), kDone, m.wParam + static_cast<std::uintptr_t>(payload ? payload->tag : 0));
    });
    // Posted while suspended: waits for Resume.
    EXPECT_TRUE(
        App().PostThreadMessage(worker.ThreadId(), kJob, 40, 0, std::make_unique<CountedPayload>(destroyed, 2)));
    EXPECT_FALSE(worker.Running());
    worker.Resume();
    EXPECT_TRUE(worker.Running());
    // The worker answers on its own thread; a busy machine may take a while.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (window.received.empty() && std::chrono::steady_clock::now() < giveUp) {
        App().WaitMilliseconds(0);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_EQ(window.received.size(), 1u);
    EXPECT_EQ(window.received[0].wParam, 42u);
    EXPECT_EQ(worker.Stop(), WorkerThread::StopResult::Joined);
    EXPECT_EQ(destroyed, 1);
    EXPECT_NE(workerId, std::this_thread::get_id());
    EXPECT_FALSE(worker.Running());
}

TEST_F(WorkerThreadTest, StopIsBoundedAndLeavesABusyThreadRunning)
{
    Event release(Event::Reset::Manual);
    Event entered(Event::Reset::Manual);
    std::atomic<int> destroyed = 0;
    auto finished = std::make_shared<std::atomic<bool>>(false);
    {
        WorkerThread worker(App().Threads(), [&release, &entered, finished](Message&) {
            entered.Set();
            release.Wait(5s);
            *finished = true;
        });
        worker.Resume();
        worker.Post(kJob);
        ASSERT_TRUE(entered.Wait(5s));
        EXPECT_EQ(worker.Stop(20ms), WorkerThread::StopResult::Detached);
        // After the stop the thread's id no longer takes messages.
        EXPECT_FALSE(
            App().PostThreadMessage(worker.ThreadId(), kJob, 0, 0, std::make_unique<CountedPayload>(destroyed, 1)));
        EXPECT_EQ(destroyed, 1);
    }
    // The detached thread still runs on its own state and finishes.
    release.Set();
    for (int i = 0; i < 500 && !*finished; ++i)
        std::this_thread::sleep_for(10ms);
    EXPECT_TRUE(*finished);
}

TEST_F(WorkerThreadTest, QueuedPayloadsAreDestroyedWhenANeverStartedThreadGoes)
{
    std::atomic<int> destroyed = 0;
    {
        WorkerThread worker(App().Threads(), [](Message&) {});
        worker.Post(kJob, 0, 0, std::make_unique<CountedPayload>(destroyed, 1));
        worker.Post(kJob, 0, 0, std::make_unique<CountedPayload>(destroyed, 2));
    }
    EXPECT_EQ(destroyed, 2);
}

TEST(EventTest, ManualAndAutomaticReset)
{
    Event manual(Event::Reset::Manual);
    EXPECT_FALSE(manual.Wait(1ms));
    manual.Set();
    EXPECT_TRUE(manual.Wait(0ms));
    EXPECT_TRUE(manual.Wait(0ms)) << "a manual event stays set";
    manual.Clear();
    EXPECT_FALSE(manual.IsSet());

    Event automatic(Event::Reset::Automatic, true);
    EXPECT_TRUE(automatic.Wait(0ms));
    EXPECT_FALSE(automatic.Wait(1ms)) << "an automatic event lets one waiter through";

    std::thread setter([&] { automatic.Set(); });
    EXPECT_TRUE(automatic.Wait(5s));
    setter.join();
}

}  // namespace
}  // namespace worker_thread_test
}  // namespace corvane
