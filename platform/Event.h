#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace corvane {

// A signal between threads. A manual-reset event stays set until Reset; an
// automatic-reset event lets exactly one waiter through and clears itself.
class Event {
public:
    enum class Reset { Manual, Automatic };
    explicit Event(Reset mode, bool initiallySet = false) : mode_(mode), set_(initiallySet) {}

    void Set();
    void Clear();
    bool IsSet() const;
    // True when the event was (or became) set within the timeout.
    bool Wait(std::chrono::milliseconds timeout);

private:
    Reset mode_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    bool set_;
};

}  // namespace corvane
