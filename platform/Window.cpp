#include "platform/Window.h"

#include "platform/Application.h"

namespace corvane {

Window::Window() : app_(Application::Instance()), handle_(app_.RegisterWindow(*this)) {}

Window::~Window() { app_.UnregisterWindow(handle_); }

std::intptr_t Window::OnMessage(Message&) { return 0; }

bool Window::PostMessage(MessageId id, std::uintptr_t wParam, std::intptr_t lParam, std::unique_ptr<Payload> payload)
{
    return app_.PostMessage(handle_, id, wParam, lParam, std::move(payload));
}

bool Window::SetTimer(std::uint32_t id, std::uint32_t intervalMs) { return app_.SetTimer(handle_, id, intervalMs); }

bool Window::KillTimer(std::uint32_t id) { return app_.KillTimer(handle_, id); }

}  // namespace corvane
