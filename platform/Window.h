#pragma once

#include "platform/Message.h"

#include <cstdint>
#include <memory>

namespace corvane {

class Application;

// Something that receives messages on the UI thread: frames, views, dialogs
// and hidden message windows. A window gets its handle when it is made and
// loses it (with its timers) when it is destroyed; messages still on their
// way to it are then dropped and their payloads destroyed.
class Window {
public:
    Window();
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    WindowHandle Handle() const { return handle_; }

    // Handles one message; the result is what SendMessage returns.
    virtual std::intptr_t OnMessage(Message& message);

    bool PostMessage(
        MessageId id, std::uintptr_t wParam = 0, std::intptr_t lParam = 0, std::unique_ptr<Payload> payload = {});
    // Timer messages (kTimerMessage, wParam = id) every intervalMs until killed.
    bool SetTimer(std::uint32_t id, std::uint32_t intervalMs);
    bool KillTimer(std::uint32_t id);

protected:
    Application& App() const { return app_; }

private:
    Application& app_;
    WindowHandle handle_;
};

}  // namespace corvane
