#include "halvix/MessagePoster.h"

#include "platform/Application.h"

namespace corvane {

namespace {

class ApplicationPoster final : public MessagePoster {
public:
    explicit ApplicationPoster(Application& app) : app_(app) {}

    bool PostToWindow(WindowHandle window, MessageId id, std::uintptr_t wParam, std::intptr_t lParam,
        std::unique_ptr<Payload> payload) override
    {
        return app_.PostMessage(window, id, wParam, lParam, std::move(payload));
    }

    bool PostToThread(std::uint32_t threadId, MessageId id, std::uintptr_t wParam, std::intptr_t lParam,
        std::unique_ptr<Payload> payload) override
    {
        return app_.PostThreadMessage(threadId, id, wParam, lParam, std::move(payload));
    }

private:
    Application& app_;
};

}  // namespace

std::unique_ptr<MessagePoster> MakeApplicationPoster(Application& app)
{
    return std::make_unique<ApplicationPoster>(app);
}

}  // namespace corvane
