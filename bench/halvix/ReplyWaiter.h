#pragma once

#include "halvix/CReplyMessage.h"
#include "halvix/HalvixMessages.h"
#include "halvix/MessagePoster.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace corvane::bench {

// Hands what the library posts to the one thread that waits for it, as a
// window's message queue would: one hand-off per reply. Only the first post
// after the waiter went to sleep wakes it, and the waiter takes all that has
// come in one turn of the lock. The waiter sleeps on a flag of its own, not
// on the lock, so waking never makes it queue for the lock behind a burst
// of posts.
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
        if (sleeping_.exchange(false))
            sleeping_.notify_one();
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
            for (;;) {
                {
                    std::lock_guard lock(mutex_);
                    if (!answers_.empty()) {
                        taken_.swap(answers_);
                        break;
                    }
                    // Set under the lock: a post after this sees it and wakes the waiter.
                    sleeping_.store(true);
                }
                sleeping_.wait(true);
            }
        }
        return std::move(taken_[next_++]);
    }

private:
    std::mutex mutex_;
    std::atomic<bool> sleeping_{false};  // the waiter sleeps and no post woke it yet
    // Vectors, swapped whole, so each keeps its room and a post allocates
    // nothing once both have grown.
    std::vector<Answer> answers_;  // posted, guarded by mutex_
    std::vector<Answer> taken_;    // the waiter's own, taken from answers_ in one turn
    std::size_t next_ = 0;         // the first of taken_ not yet handed out
};

}  // namespace corvane::bench
