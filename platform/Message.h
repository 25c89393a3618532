#pragma once

#include <cstdint>
#include <memory>

namespace corvane {

// A window's handle: a number that stays unique for the life of the
// process, so a handle kept after its window is gone never reaches another.
struct WindowHandle {
    std::uint32_t value = 0;
    explicit operator bool() const { return value != 0; }
    friend bool operator==(WindowHandle, WindowHandle) = default;
};

using MessageId = std::uint32_t;

// Message ids the platform itself sends; the system's own start at kUserMessage.
constexpr MessageId kQuitMessage = 0x0012;
constexpr MessageId kTimerMessage = 0x0113;  // wParam: the timer id
constexpr MessageId kUserMessage = 0x0400;

// A heap block handed over with a message. The receiver owns it: a handler
// that wants to keep it takes it out of the message; whatever is left in
// the message when the handler returns, or when the message cannot be
// delivered, is destroyed.
class Payload {
public:
    virtual ~Payload() = default;
};

// A payload that carries one value.
template <class T> class ValuePayload : public Payload {
public:
    explicit ValuePayload(T v) : value(std::move(v)) {}
    T value;
};

struct Message {
    WindowHandle window;  // empty for thread messages
    MessageId id = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    std::unique_ptr<Payload> payload;

    // Takes the payload out when it is of type T; otherwise leaves it.
    template <class T> std::unique_ptr<T> TakePayload()
    {
        T* typed = dynamic_cast<T*>(payload.get());
        if (typed == nullptr)
            return nullptr;
        payload.release();
        return std::unique_ptr<T>(typed);
    }
};

}  // namespace corvane
