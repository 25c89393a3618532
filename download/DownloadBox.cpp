#include "download/DownloadBox.h"

#include "platform/Application.h"

#include <string>

namespace corvane {

int ShowDownloadBox(
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

}  // namespace corvane
