#include "platform/Clock.h"

#include <chrono>

namespace corvane {

std::uint64_t SteadyClock::NowMilliseconds() const
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void ManualClock::Advance(std::uint64_t milliseconds)
{
    now_ += milliseconds;
    std::function<void()> listener;
    {
        std::lock_guard lock(listenerMutex_);
        listener = listener_;
    }
    if (listener)
        listener();
}

void ManualClock::SetAdvanceListener(std::function<void()> listener)
{
    std::lock_guard lock(listenerMutex_);
    listener_ = std::move(listener);
}

}  // namespace corvane
