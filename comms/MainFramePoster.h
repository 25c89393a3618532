#pragma once

#include "platform/Message.h"

#include <cstdint>
#include <memory>

namespace corvane {

// Posts a message to the main frame. The shell fills it; it is called from
// the UI thread and from the comms thread, so it must be safe from any
// thread. A payload that cannot be delivered is destroyed.
class MainFramePoster {
public:
    virtual ~MainFramePoster() = default;
    virtual bool PostToMainFrame(MessageId id, std::uintptr_t wParam, std::unique_ptr<Payload> payload = {}) = 0;
};

}  // namespace corvane
