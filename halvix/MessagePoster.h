#pragma once

#include "platform/Message.h"

#include <cstdint>
#include <memory>

namespace corvane {

class Application;

// Where the communications library delivers its answers. Called from the
// library's link threads, so implementations must be thread-safe. A payload
// that cannot be delivered is destroyed.
class MessagePoster {
public:
    virtual ~MessagePoster() = default;
    virtual bool PostToWindow(WindowHandle window, MessageId id, std::uintptr_t wParam, std::intptr_t lParam,
        std::unique_ptr<Payload> payload)
        = 0;
    virtual bool PostToThread(std::uint32_t threadId, MessageId id, std::uintptr_t wParam, std::intptr_t lParam,
        std::unique_ptr<Payload> payload)
        = 0;
};

// Posts through the application's windows and thread registry; the
// application must outlive the library that posts through it.
std::unique_ptr<MessagePoster> MakeApplicationPoster(Application& app);

}  // namespace corvane
