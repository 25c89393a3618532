#pragma once

#include "halvix/CReplyMessage.h"
#include "halvix/HalvixMessages.h"
#include "halvix/MessagePoster.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>

namespace corvane::bench {

// Hands what the library posts to the one thread that waits for it, as a
// window's message queue would: one hand-off per reply.
class ReplyWaiter final : public MessagePoster {
public:
    struct Answer {
        MessageId id = 0;
        std::uintptr_t wParam = 0;
        std::unique_ptr<CReplyMessage> reply;  // empty for a time-out
    };

    bool PostToWindow(
        WindowHandle, MessageId id, std::uintptr_t wParam, std::intptr_t, std::unique_ptr<Payload> payload) override
    {
        std::unique_ptr<CReplyMessage> reply(dynamic_cast<CReplyMessage*>(payload.get()));
        if (reply)
            (void)payload.release();
        {
            std::lock_guard lock(mutex_);
            answers_.push_back({id, wParam, std::move(reply)});
        }
        ready_.notify_one();
        return true;
    }

    bool PostToThread(std::uint32_t, MessageId, std::uintptr_t, std::intptr_t, std::unique_ptr<Payload>) override
    {
        return true;
    }

    // The next answer, waiting for it.
    Answer Take()
    {
        std::unique_lock lock(mutex_);
        ready_.wait(lock, [this] { return !answers_.empty(); });
        Answer answer = std::move(answers_.front());
        answers_.pop_front();
        return answer;
    }

private:
    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<Answer> answers_;
};

}  // namespace corvane::bench
