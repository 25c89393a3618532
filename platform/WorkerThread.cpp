#include "platform/WorkerThread.h"

#include "platform/MessageQueue.h"
#include "platform/ThreadRegistry.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace corvane {

// Everything the thread touches; the thread holds its own reference, so a
// detached thread never outlives it.
struct WorkerThread::State {
    std::shared_ptr<MessageQueue> queue = std::make_shared<MessageQueue>();
    Handler handler;
    std::mutex mutex;
    std::condition_variable finishedChanged;
    bool finished = false;
    std::thread thread;
};

WorkerThread::WorkerThread(ThreadRegistry& registry, Handler handler)
    : registry_(registry), state_(std::make_shared<State>())
{
    state_->handler = std::move(handler);
    threadId_ = registry_.Add(state_->queue);
}

WorkerThread::~WorkerThread() { Stop(); }

bool WorkerThread::Post(MessageId id, std::uintptr_t wParam, std::intptr_t lParam, std::unique_ptr<Payload> payload)
{
    Message message;
    message.id = id;
    message.wParam = wParam;
    message.lParam = lParam;
    message.payload = std::move(payload);
    return state_->queue->Post(std::move(message));
}

void WorkerThread::Resume()
{
    if (started_ || stopped_)
        return;
    started_ = true;
    state_->thread = std::thread([state = state_] { RunLoop(*state); });
}

bool WorkerThread::Running() const
{
    if (!started_ || stopped_)
        return false;
    std::lock_guard lock(state_->mutex);
    return !state_->finished;
}

WorkerThread::StopResult WorkerThread::Stop(std::chrono::milliseconds bound)
{
    if (stopped_)
        return started_ ? StopResult::Joined : StopResult::NotStarted;
    stopped_ = true;
    registry_.Remove(threadId_);
    if (!started_) {
        state_->queue->Close();
        return StopResult::NotStarted;
    }
    Post(kQuitMessage);
    bool finished = false;
    {
        std::unique_lock lock(state_->mutex);
        finished = state_->finishedChanged.wait_for(lock, bound, [this] { return state_->finished; });
    }
    if (!finished) {
        state_->thread.detach();
        return StopResult::Detached;
    }
    state_->thread.join();
    state_->queue->Close();
    return StopResult::Joined;
}

void WorkerThread::RunLoop(State& state)
{
    for (;;) {
        std::optional<Message> message = state.queue->Wait(std::chrono::milliseconds(1000));
        if (!message)
            continue;
        if (message->id == kQuitMessage)
            break;
        if (state.handler)
            state.handler(*message);
        // The message, and a payload the handler left in it, end here.
    }
    std::lock_guard lock(state.mutex);
    state.finished = true;
    state.finishedChanged.notify_all();
}

}  // namespace corvane
