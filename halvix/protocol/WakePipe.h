#pragma once

#include "base/UniqueFd.h"

namespace corvane {

// Wakes a thread that waits in poll(): the thread watches ReadFd(), any
// other thread calls Wake(). Both ends are non-blocking.
class WakePipe {
public:
    WakePipe();
    bool Valid() const { return read_.Valid() && write_.Valid(); }
    int ReadFd() const { return read_.Get(); }
    void Wake();
    void Drain();

private:
    UniqueFd read_;
    UniqueFd write_;
};

}  // namespace corvane
