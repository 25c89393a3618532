#pragma once

#include "base/UniqueFd.h"

namespace corvane {

// Wakes a thread that waits in poll(): the thread watches Fd(), any other
// thread calls Wake(). An eventfd, so a wake-up is one write and taking it
// one read, however many wake-ups came meanwhile.
class WakeEvent {
public:
    WakeEvent();
    bool Valid() const { return fd_.Valid(); }
    int Fd() const { return fd_.Get(); }
    void Wake();
    // Takes the wake-ups so far; poll() waits again afterwards.
    void Drain();

private:
    UniqueFd fd_;
};

}  // namespace corvane
