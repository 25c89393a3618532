#include "platform/DocTemplate.h"

#include "platform/ChildFrame.h"
#include "platform/Document.h"
#include "platform/MdiFrame.h"
#include "platform/View.h"

namespace corvane {

DocTemplate::DocTemplate(const DocTemplateResources& resources, DocumentFactory makeDocument, FrameFactory makeFrame,
    ViewFactory makeView)
    : resources_(resources)
    , makeDocument_(std::move(makeDocument))
    , makeFrame_(std::move(makeFrame))
    , makeView_(std::move(makeView))
{}

DocTemplate::~DocTemplate() { Destroy(); }

void DocTemplate::Destroy()
{
    // The frame takes its view along, which leaves the document.
    frame_.reset();
    document_.reset();
}

bool DocTemplate::CreateDocumentAndFrame()
{
    if (main_ == nullptr || !makeDocument_ || !makeFrame_ || !makeView_)
        return false;
    document_ = makeDocument_();
    if (!document_)
        return false;
    document_->template_ = this;
    frame_ = makeFrame_();
    std::unique_ptr<View> view = makeView_();
    if (!frame_ || !view) {
        Destroy();
        return false;
    }
    document_->AddView(*view);
    if (!frame_->Create(*main_, resources_.menu, resources_.accelerators, std::move(view))) {
        Destroy();
        return false;
    }
    return true;
}

void DocTemplate::InitialUpdate(bool visible)
{
    frame_->SetTitle(document_->Title());
    for (View* view : std::vector<View*>(document_->Views()))
        view->OnInitialUpdate();
    // The view's update may have closed the document.
    if (visible && frame_)
        frame_->Activate();
}

Document* DocTemplate::OpenNew(bool visible)
{
    bool created = false;
    if (document_) {
        if (!document_->SaveModified())
            return nullptr;
    } else {
        if (!CreateDocumentAndFrame())
            return nullptr;
        created = true;
    }
    document_->SetPathName({}, false);
    document_->SetTitle(resources_.newTitle);
    if (!document_->OnNewDocument()) {
        if (created)
            Destroy();
        return nullptr;
    }
    InitialUpdate(visible);
    return document_.get();
}

Document* DocTemplate::OpenFile(const std::filesystem::path& path, bool visible)
{
    bool created = false;
    if (document_) {
        if (!document_->SaveModified())
            return nullptr;
    } else {
        if (!CreateDocumentAndFrame())
            return nullptr;
        created = true;
    }
    if (!document_->OnOpenDocument(path)) {
        if (created)
            Destroy();
        return nullptr;
    }
    document_->SetPathName(path);
    document_->SetModified(false);
    InitialUpdate(visible);
    return document_.get();
}

bool DocTemplate::CloseDocument(bool askToSave)
{
    if (!document_)
        return true;
    if (askToSave && !document_->SaveModified())
        return false;
    document_->OnCloseDocument();
    Destroy();
    return true;
}

}  // namespace corvane
