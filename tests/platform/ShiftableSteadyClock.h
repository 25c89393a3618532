#pragma once

#include "platform/Clock.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>

namespace corvane::test {

// The steady clock moved on by a test: real time plus whatever the test has
// added, so the program's timers of minutes run in moments while the link
// and the simulated logger keep real time.
class ShiftableSteadyClock final : public Clock {
public:
    std::uint64_t NowMilliseconds() const override { return steady_.NowMilliseconds() + shift_.load(); }

    void Shift(std::uint64_t milliseconds)
    {
        shift_ += milliseconds;
        std::function<void()> listener;
        {
            std::lock_guard lock(mutex_);
            listener = listener_;
        }
        if (listener)
            listener();
    }

    void SetAdvanceListener(std::function<void()> listener) override
    {
        std::lock_guard lock(mutex_);
        listener_ = std::move(listener);
    }

private:
    SteadyClock steady_;
    std::atomic<std::uint64_t> shift_{0};
    std::mutex mutex_;
    std::function<void()> listener_;
};

}  // namespace corvane::test
