#pragma once

#include "platform/Window.h"

namespace corvane {

class CHardwarePoll;

// The hidden window that a hardware query names for its answers: it hands
// each reply and time-out to its poll. The poll owns it.
class HardwarePollWindow final : public Window {
public:
    explicit HardwarePollWindow(CHardwarePoll& poll) : poll_(poll) {}
    std::intptr_t OnMessage(Message& message) override;

private:
    CHardwarePoll& poll_;
};

}  // namespace corvane
