#pragma once

#include "platform/Message.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>

namespace corvane {

// A thread's queue of posted messages: any thread posts, the owning thread
// takes them in posting order. The UI thread's queue wakes the Qt event loop
// through its wake callback; a worker thread blocks in Wait.
class MessageQueue {
public:
    // wake is called (on the posting thread, outside the lock) after a post.
    explicit MessageQueue(std::function<void()> wake = {}) : wake_(std::move(wake)) {}

    // Refused (and the message destroyed with its payload) once closed.
    bool Post(Message message);

    // The first message, or the first for the given window when one is given.
    std::optional<Message> Take(WindowHandle only = {});

    // Blocks up to timeout for a message; nullopt when none came.
    std::optional<Message> Wait(std::chrono::milliseconds timeout);

    // Refuses further posts and destroys what is queued.
    void Close();
    bool Empty() const;

private:
    std::function<void()> wake_;
    mutable std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<Message> messages_;
    bool closed_ = false;
};

}  // namespace corvane
