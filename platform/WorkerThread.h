#pragma once

#include "platform/Message.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

namespace corvane {

class ThreadRegistry;

// A thread with its own message queue. It is created suspended: messages can
// be posted to it at once and wait until Resume starts it. Its loop hands each
// message to the handler until a quit message arrives. Stop posts quit and
// joins within a bound; when the bound passes the thread is left to finish on
// its own (never killed), and what it shares stays alive until it ends.
class WorkerThread {
public:
    using Handler = std::function<void(Message&)>;
    static constexpr std::chrono::milliseconds kDefaultStopBound{3000};

    WorkerThread(ThreadRegistry& registry, Handler handler);
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    std::uint32_t ThreadId() const { return threadId_; }
    bool Post(MessageId id, std::uintptr_t wParam = 0, std::intptr_t lParam = 0, std::unique_ptr<Payload> payload = {});
    void Resume();
    bool Running() const;

    enum class StopResult { NotStarted, Joined, Detached };
    StopResult Stop(std::chrono::milliseconds bound = kDefaultStopBound);

private:
    struct State;
    static void RunLoop(State& state);
    ThreadRegistry& registry_;
    std::shared_ptr<State> state_;
    std::uint32_t threadId_ = 0;
    bool started_ = false;
    bool stopped_ = false;
};

}  // namespace corvane
