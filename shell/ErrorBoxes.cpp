#include "shell/ErrorBoxes.h"

#include "base/Cp1252.h"
#include "halvix/CReplyMessage.h"
#include "platform/Application.h"
#include "platform/PromptSink.h"

#include <cstdio>

namespace corvane {

std::string FormatCommError(std::uint16_t code, std::string_view text)
{
    char head[64];
    std::snprintf(head, sizeof head, "Error (%04X) while processing request.\n\n", static_cast<unsigned>(code));
    return std::string(head) + std::string(text);
}

void ShowCommError(WindowHandle owner, std::uint16_t code, std::string_view text)
{
    MessageBoxRequest request;
    request.owner = owner;
    request.text = FormatCommError(code, text);
    request.caption = std::string(kCommErrorCaption);
    request.buttons = MessageBoxButtons::Ok;
    request.icon = MessageBoxIcon::Error;
    Application::Instance().Prompts().ShowMessageBox(request);
}

void ShowReplyError(WindowHandle owner, const CReplyMessage& reply)
{
    if (!reply.ErrorFlag())
        return;
    constexpr std::size_t kTextOffset = 2;
    const std::uint16_t code = reply.U16At(0).value_or(reply.Code());
    // Record texts are Windows-1252; the box shows UTF-8.
    const std::string text = reply.DataLength() > kTextOffset ? Cp1252ToUtf8(reply.TextAt(kTextOffset))
                                                              : Cp1252ToUtf8(reply.ErrorText());
    ShowCommError(owner, code, text);
}

}  // namespace corvane
