#pragma once

#include <cstdint>

namespace corvane {

// What the main frame tells the Communication Window view; the view
// implements it (the frame finds it on the window's view).
class CommWindowLink {
public:
    virtual ~CommWindowLink() = default;
    // 1: the logger's net runs; 2: it stopped.
    virtual void SetRunState(std::uintptr_t state) = 0;
    virtual void SetCardState(std::uintptr_t state) = 0;
    virtual void ConnectionLost() = 0;
    // The window came to the front.
    virtual void Refresh() = 0;
};

}  // namespace corvane
