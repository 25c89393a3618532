#include "platform/Clock.h"

#include <chrono>
#include <ctime>

namespace corvane {

std::uint64_t SteadyClock::NowMilliseconds() const
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

std::int64_t Clock::CalendarSeconds() const
{
    return static_cast<std::int64_t>(std::time(nullptr));
}

std::int64_t ManualClock::CalendarSeconds() const
{
    return calendarBase_.load() + static_cast<std::int64_t>((now_.load() - calendarSetAt_.load()) / 1000);
}

void ManualClock::SetCalendarSeconds(std::int64_t seconds)
{
    calendarSetAt_ = now_.load();
    calendarBase_ = seconds;
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
