#include "platform/ChildFrame.h"

#include "platform/DocTemplate.h"
#include "platform/Document.h"
#include "platform/MdiFrame.h"
#include "platform/View.h"
#include "platform/internal/CanvasWidget.h"
#include "platform/internal/DrawingData.h"
#include "platform/internal/FrameWidgets.h"

#include <QCloseEvent>

namespace corvane {

void ChildFrameWidget::closeEvent(QCloseEvent* event)
{
    // Closing destroys this widget, so the frame decides after the event is over.
    event->ignore();
    ChildFrameImpl* impl = &impl_;
    QMetaObject::invokeMethod(this, [impl] { ChildFrameImpl::CallOnClose(impl->owner); }, Qt::QueuedConnection);
}

ChildFrame::ChildFrame(ChildFrameStyle style) : style_(style), impl_(std::make_unique<ChildFrameImpl>(*this)) {}

ChildFrame::~ChildFrame()
{
    // The view goes first: it may still reach its frame while it goes.
    view_.reset();
    if (main_ != nullptr)
        main_->ChildGone(*this);
    delete impl_->sub.data();
}

bool ChildFrame::Create(
    MdiFrame& main, const MenuTemplate* menu, const AcceleratorTable* accelerators, std::unique_ptr<View> view)
{
    QMdiArea* area = main.Impl().area;
    if (impl_->sub != nullptr || area == nullptr || !view)
        return false;
    main_ = &main;
    menu_ = menu;
    accelerators_ = accelerators;
    auto* sub = new ChildFrameWidget(*impl_);
    impl_->sub = sub;
    if (!style_.systemMenu) {
        sub->setWindowFlags(
            Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint);
        sub->setSystemMenu(nullptr);
    }
    view_ = std::move(view);
    view_->frame_ = this;
    sub->setWidget(view_->Canvas().top);
    area->addSubWindow(sub);
    // Shown by the template when the document is ready.
    sub->hide();
    const QSize room = area->viewport()->size();
    sub->resize(std::max(200, room.width() * 2 / 3), std::max(150, room.height() * 2 / 3));
    main.ChildAdded(*this);
    return OnCreate();
}

Document* ChildFrame::GetDocument() const { return view_ ? view_->GetDocument() : nullptr; }

void ChildFrame::Activate()
{
    if (main_ != nullptr)
        main_->ActivateChild(*this);
}

void ChildFrame::ShowNormal()
{
    if (impl_->sub != nullptr)
        impl_->sub->showNormal();
}

void ChildFrame::ShowMaximized()
{
    if (impl_->sub != nullptr)
        impl_->sub->showMaximized();
}

void ChildFrame::ShowMinimized()
{
    if (impl_->sub != nullptr)
        impl_->sub->showMinimized();
}

void ChildFrame::Hide()
{
    if (impl_->sub != nullptr)
        impl_->sub->hide();
}

bool ChildFrame::IsVisible() const { return impl_->sub != nullptr && !impl_->sub->isHidden(); }
bool ChildFrame::IsMaximized() const { return impl_->sub != nullptr && impl_->sub->isMaximized(); }
bool ChildFrame::IsMinimized() const { return impl_->sub != nullptr && impl_->sub->isMinimized(); }

void ChildFrame::SetTitle(std::string_view title)
{
    impl_->title = std::string(title);
    if (impl_->sub != nullptr)
        impl_->sub->setWindowTitle(TextToToolkit(title));
    if (main_ != nullptr && main_->ActiveChild() == this)
        main_->RefreshCaption();
}

std::string ChildFrame::Title() const { return impl_->title; }

Rect ChildFrame::Geometry() const { return impl_->sub != nullptr ? FromQRect(impl_->sub->geometry()) : Rect{}; }

void ChildFrame::SetGeometry(const Rect& rect)
{
    const Rect r = rect.Normalized();
    if (impl_->sub != nullptr && !r.IsEmpty())
        impl_->sub->setGeometry(r.left, r.top, r.Width(), r.Height());
}

bool ChildFrame::OnCreate() { return true; }

void ChildFrame::OnMainFrameMoved(Point, Point) {}

void ChildFrame::OnClose()
{
    if (Document* document = GetDocument())
        if (DocTemplate* docTemplate = document->Template())
            docTemplate->CloseDocument(true);
}

}  // namespace corvane
