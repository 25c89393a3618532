#include "shell/CFileChildDialog.h"

#include "platform/Application.h"
#include "platform/Window.h"
#include "res/FileOptionsDialog.h"
#include "res/ResourceIds.h"

#include <utility>

namespace corvane {

CFileChildDialog::CFileChildDialog(Options options, Window* parent)
    : options_(std::move(options)), parent_(parent), namingMode_(options_.showMode ? 0 : -1),
      eraseFlag_(options_.eraseFlag != 0 ? 1 : 0)
{
}

FileDialogRequest CFileChildDialog::MakeRequest() const
{
    FileDialogRequest request;
    if (parent_ != nullptr)
        request.owner = parent_->Handle();
    request.open = options_.open;
    request.title = options_.title;
    request.fileName = options_.fileName;
    request.filter = options_.filter;
    request.defaultExtension = options_.defaultExtension;
    request.overwritePrompt = options_.overwritePrompt;
    request.fileMustExist = options_.fileMustExist;
    const auto& controls = res::kFileOptionsDialog.controls;
    request.extraControls.assign(controls.begin(), controls.end());
    request.extraChecks[res::kIdcFileNameDateTime] = namingMode_ == 0 ? 1 : 0;
    request.extraChecks[res::kIdcFileNameCounter] = namingMode_ == 1 ? 1 : 0;
    request.extraChecks[res::kIdcFileEraseAfter] = eraseFlag_;
    for (const int id : {res::kIdcFileAppendLabel, res::kIdcFileNameDateTime, res::kIdcFileNameCounter})
        request.extraVisible[id] = options_.showMode;
    request.extraVisible[res::kIdcFileEraseAfter] = options_.showErase;
    return request;
}

int CFileChildDialog::DoModal()
{
    eraseFlag_ = options_.eraseFlag != 0 ? 1 : 0;
    const std::optional<FileDialogResult> result = Application::Instance().Prompts().ShowFileDialog(MakeRequest());
    if (!result || result->paths.empty())
        return kIdCancel;
    path_ = result->paths.front();
    const auto checked = [&](int id, int fallback) {
        const auto found = result->extraChecks.find(id);
        return found != result->extraChecks.end() ? found->second : fallback;
    };
    if (options_.showMode) {
        if (checked(res::kIdcFileNameCounter, 0) != 0)
            namingMode_ = 1;
        else if (checked(res::kIdcFileNameDateTime, 0) != 0)
            namingMode_ = 0;
        else
            namingMode_ = -1;
    }
    eraseFlag_ = checked(res::kIdcFileEraseAfter, eraseFlag_) != 0 ? 1 : 0;
    return kIdOk;
}

std::string CFileChildDialog::GetFileExt() const
{
    const std::size_t slash = path_.rfind('/');
    const std::size_t dot = path_.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash) || dot == slash + 1)
        return {};
    return path_.substr(dot + 1);
}

}  // namespace corvane
