#include "platform/Document.h"

#include "platform/Application.h"
#include "platform/ChildFrame.h"
#include "platform/DocTemplate.h"
#include "platform/MdiFrame.h"
#include "platform/PromptSink.h"
#include "platform/View.h"

#include <algorithm>

namespace corvane {

Document::Document() = default;

Document::~Document()
{
    for (View* view : views_)
        view->document_ = nullptr;
}

void Document::SetTitle(std::string_view title)
{
    title_ = std::string(title);
    for (View* view : views_)
        if (ChildFrame* frame = view->ParentFrame())
            frame->SetTitle(title_);
}

void Document::SetPathName(const std::filesystem::path& path, bool setTitle)
{
    path_ = path;
    if (setTitle && !path.empty())
        SetTitle(path.filename().string());
}

void Document::UpdateAllViews(View* sender, int hint, const std::any& object)
{
    // Copied: a view may come or go while the others update.
    const std::vector<View*> views = views_;
    for (View* view : views)
        if (view != sender && std::find(views_.begin(), views_.end(), view) != views_.end())
            view->OnUpdate(sender, hint, object);
}

bool Document::SaveModified()
{
    if (!modified_)
        return true;
    MessageBoxRequest request;
    if (template_ != nullptr && template_->MainFrame() != nullptr)
        request.owner = template_->MainFrame()->Handle();
    request.text = "Save changes to " + (title_.empty() ? std::string("Untitled") : title_) + "?";
    request.buttons = MessageBoxButtons::YesNoCancel;
    request.icon = MessageBoxIcon::Warning;
    switch (Application::Instance().Prompts().ShowMessageBox(request)) {
    case kIdYes: return DoFileSave();
    case kIdNo: return true;
    default: return false;
    }
}

bool Document::DoFileSave() { return DoSave(path_); }

bool Document::DoSave(const std::filesystem::path& path)
{
    std::filesystem::path target = path;
    if (target.empty()) {
        FileDialogRequest request;
        if (template_ != nullptr) {
            if (template_->MainFrame() != nullptr)
                request.owner = template_->MainFrame()->Handle();
            request.filter = std::string(template_->Resources().fileFilter);
            request.defaultExtension = std::string(template_->Resources().defaultExtension);
        }
        request.open = false;
        request.fileName = title_;
        request.overwritePrompt = true;
        const std::optional<FileDialogResult> chosen = Application::Instance().Prompts().ShowFileDialog(request);
        if (!chosen || chosen->paths.empty() || chosen->paths.front().empty())
            return false;
        target = chosen->paths.front();
    }
    if (!OnSaveDocument(target))
        return false;
    SetPathName(target);
    SetModified(false);
    return true;
}

bool Document::OnNewDocument()
{
    path_.clear();
    modified_ = false;
    return true;
}

bool Document::OnOpenDocument(const std::filesystem::path&) { return false; }

bool Document::OnSaveDocument(const std::filesystem::path&) { return false; }

void Document::OnCloseDocument() {}

void Document::AddView(View& view)
{
    if (view.document_ == this)
        return;
    if (view.document_ != nullptr)
        view.document_->RemoveView(view);
    views_.push_back(&view);
    view.document_ = this;
}

void Document::RemoveView(View& view)
{
    views_.erase(std::remove(views_.begin(), views_.end(), &view), views_.end());
    if (view.document_ == this)
        view.document_ = nullptr;
}

}  // namespace corvane
