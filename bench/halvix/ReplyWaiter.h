#pragma once

#include "halvix/CReplyMessage.h"
#include "halvix/HalvixMessages.h"
#include "halvix/MessagePoster.h"

#include <linux/futex.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace corvane::bench {

// Hands what the library posts to the one thread that waits for it, as a
// window's message queue would: one hand-off per reply. A post wakes the
// waiter only when it sleeps, and the waiter takes all that has come in one
// turn of the lock, so a poster seldom meets the lock held. The waiter
// sleeps on a futex word of its own rather than a condition variable, whose
// waiter leaves its mutex marked contended and so pays a further system
// call to release it on every hand-off: a wait costs the one call that
// sleeps, as a thread blocked in its message loop's poll does.
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
        if (sleeping_.exchange(0, std::memory_order_acq_rel) != 0)
            Futex(FUTEX_WAKE_PRIVATE, 0);
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
                    // Set under the lock: a post after this finds it set and wakes.
                    sleeping_.store(1, std::memory_order_relaxed);
                }
                // Returns at once when a post cleared the word meanwhile.
                Futex(FUTEX_WAIT_PRIVATE, 1);
            }
        }
        return std::move(taken_[next_++]);
    }

private:
    // FUTEX_WAIT sleeps while the word holds value; FUTEX_WAKE wakes one sleeper.
    void Futex(int operation, std::uint32_t value)
    {
        ::syscall(SYS_futex, reinterpret_cast<std::uint32_t*>(&sleeping_), operation,
            operation == FUTEX_WAKE_PRIVATE ? 1 : value, nullptr, nullptr, 0);
    }

    std::mutex mutex_;
    std::atomic<std::uint32_t> sleeping_{0};  // 1 while the waiter sleeps or is about to
    // Vectors, swapped whole, so each keeps its room and a post allocates
    // nothing once both have grown.
    std::vector<Answer> answers_;  // posted, guarded by mutex_
    std::vector<Answer> taken_;    // the waiter's own, taken from answers_ in one turn
    std::size_t next_ = 0;         // the first of taken_ not yet handed out
};

}  // namespace corvane::bench
