#include "controls/CMultiLineEditFrameWnd.h"

#include "platform/DialogControls.h"
#include "platform/EditControl.h"

namespace corvane {

CMultiLineEditFrameWnd::~CMultiLineEditFrameWnd() { Close(); }

bool CMultiLineEditFrameWnd::Create(const Rect& screenRect, std::string_view text, int editId)
{
    Close();
    const ControlTemplate layout{ControlKind::Edit, editId, text,
        {screenRect.left, screenRect.top, screenRect.Width(), screenRect.Height()},
        control_style::kMultiLine | control_style::kWantReturn};
    edit_ = dynamic_cast<EditControl*>(AddDialogControl(dialog_, layout, nullptr, true));
    editId_ = edit_ != nullptr ? editId : 0;
    return edit_ != nullptr;
}

void CMultiLineEditFrameWnd::SetFocus()
{
    if (edit_ != nullptr)
        edit_->SetFocus();
}

void CMultiLineEditFrameWnd::Close()
{
    if (edit_ == nullptr)
        return;
    edit_ = nullptr;
    RemoveDialogControl(dialog_, editId_);
}

}  // namespace corvane
