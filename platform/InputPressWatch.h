#pragma once

#include <functional>
#include <memory>

namespace corvane {

// Sees the key presses and mouse-button presses of the whole application
// before the window they are meant for, whichever window that is. While the
// watch lives, onPress runs as each press arrives at a window; when it
// returns true the press goes no further. UI thread only; the Application
// must exist while the watch does.
class InputPressWatch {
public:
    explicit InputPressWatch(std::function<bool()> onPress);
    ~InputPressWatch();
    InputPressWatch(const InputPressWatch&) = delete;
    InputPressWatch& operator=(const InputPressWatch&) = delete;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace corvane
