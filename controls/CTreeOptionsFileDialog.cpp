#include "controls/CTreeOptionsFileDialog.h"

#include "platform/Application.h"

namespace corvane {

CTreeOptionsFileDialog::CTreeOptionsFileDialog(
    WindowHandle owner, std::string title, std::string fileName, std::string filter)
{
    request_.owner = owner;
    request_.open = true;
    request_.title = std::move(title);
    request_.fileName = std::move(fileName);
    request_.filter = std::move(filter);
    request_.overwritePrompt = true;
    request_.acceptLabel = "OK";
}

int CTreeOptionsFileDialog::DoModal()
{
    const std::optional<FileDialogResult> result = Application::Instance().Prompts().ShowFileDialog(request_);
    if (!result || result->paths.empty())
        return kIdCancel;
    path_ = result->paths.front();
    return kIdOk;
}

}  // namespace corvane
