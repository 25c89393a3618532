#pragma once

#include "halvix/CReplyMessage.h"
#include "halvix/HalvixMessages.h"
#include "halvix/MessagePoster.h"

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace corvane::bench {

// Hands what the library posts to the one thread that waits for it, as a
// window's message queue would: one hand-off per reply. Only the first post
// after the waiter went to sleep wakes it, and the waiter takes all that has
// come in one turn of the lock, so a poster seldom meets the lock held and
// a burst of replies costs one wake-up.
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
        bool wake = false;
        {
            std::lock_guard lock(mutex_);
            answers_.push_back({id, wParam, std::move(reply)});
            wake = std::exchange(waiting_, false);
        }
        if (wake)
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
        if (next_ == taken_.size()) {
            taken_.clear();
            next_ = 0;
            std::unique_lock lock(mutex_);
            // Asleep again after a wake-up that found nothing, so the next
            // post wakes it once more.
            while (answers_.empty()) {
                waiting_ = true;
                ready_.wait(lock);
            }
            waiting_ = false;
            taken_.swap(answers_);
        }
        return std::move(taken_[next_++]);
    }

private:
    std::mutex mutex_;
    std::condition_variable ready_;
    // Vectors, swapped whole, so each keeps its room and a post allocates
    // nothing once both have grown.
    std::vector<Answer> answers_;  // posted, guarded by mutex_
    bool waiting_ = false;         // the waiter sleeps on ready_ and nobody woke it yet, guarded by mutex_
    std::vector<Answer> taken_;    // the waiter's own, taken from answers_ in one turn
    std::size_t next_ = 0;         // the first of taken_ not yet handed out
};

}  // namespace corvane::bench
