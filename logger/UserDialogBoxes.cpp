#include "logger/UserDialogBoxes.h"

#include "base/Cp1252.h"
#include "halvix/CReplyMessage.h"
#include "platform/Application.h"

#include <cstdio>

namespace corvane {

int ShowUserBox(
    WindowHandle owner, std::string_view text, std::string_view caption, MessageBoxIcon icon, MessageBoxButtons buttons)
{
    MessageBoxRequest request;
    request.owner = owner;
    request.text = std::string(text);
    request.caption = std::string(caption);
    request.icon = icon;
    request.buttons = buttons;
    return Application::Instance().Prompts().ShowMessageBox(request);
}

std::string ReplyCodeHex(const CReplyMessage& reply)
{
    char code[8] = {};
    std::snprintf(code, sizeof code, "%04X", static_cast<unsigned>(reply.Code()));
    return code;
}

std::string ReplyText(const CReplyMessage& reply) { return Cp1252ToUtf8(reply.ErrorText()); }

}  // namespace corvane
