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
};

class SteadyClock final : public Clock {
public:
    std::uint64_t NowMilliseconds() const override;
};

class ManualClock final : public Clock {
public:
    explicit ManualClock(std::uint64_t start = 0) : now_(start) {}
    std::uint64_t NowMilliseconds() const override { return now_.load(); }
    void Advance(std::uint64_t milliseconds);
    void SetAdvanceListener(std::function<void()> listener) override;
    bool IsManual() const override { return true; }

private:
    std::atomic<std::uint64_t> now_;
    std::mutex listenerMutex_;
    std::function<void()> listener_;
};

}  // namespace corvane
