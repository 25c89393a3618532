#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

namespace corvane {

// The monotonic clock of timers and waits, in milliseconds. The program runs
// on the steady clock; tests drive a manual one.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint64_t NowMilliseconds() const = 0;
    // Called (on the advancing thread) whenever a manual clock moves, so the
    // message loop can look at its timers again. Steady clocks never call it.
    virtual void SetAdvanceListener(std::function<void()> listener) { (void)listener; }
    virtual bool IsManual() const { return false; }
    // The calendar time ("now" for defaults and date pickers): seconds since
    // 1970-01-01 00:00 UTC. The system's time here; a manual clock's is set.
    virtual std::int64_t CalendarSeconds() const;
};

class SteadyClock final : public Clock {
public:
    std::uint64_t NowMilliseconds() const override;
};

class ManualClock final : public Clock {
public:
    // 2026-01-05 09:30:00 UTC, a fixed Monday morning, until one is set.
    static constexpr std::int64_t kDefaultCalendarSeconds = 1767605400;

    explicit ManualClock(std::uint64_t start = 0) : now_(start), calendarSetAt_(start) {}
    std::uint64_t NowMilliseconds() const override { return now_.load(); }
    void Advance(std::uint64_t milliseconds);
    void SetAdvanceListener(std::function<void()> listener) override;
    bool IsManual() const override { return true; }
    // Starts where it was set and moves on with Advance.
    std::int64_t CalendarSeconds() const override;
    void SetCalendarSeconds(std::int64_t seconds);

private:
    std::atomic<std::uint64_t> now_;
    std::atomic<std::uint64_t> calendarSetAt_;
    std::atomic<std::int64_t> calendarBase_{kDefaultCalendarSeconds};
    std::mutex listenerMutex_;
    std::function<void()> listener_;
};

}  // namespace corvane
