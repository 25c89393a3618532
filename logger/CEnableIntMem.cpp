#include "logger/CEnableIntMem.h"

#include "logger/LoggerStatusTexts.h"
#include "platform/Control.h"
#include "res/LoggerStatusDialogs.h"
#include "res/LoggerStatusIds.h"

namespace corvane {

CEnableIntMem::CEnableIntMem(std::uint32_t memoryKb, std::uint32_t memoryUsedKb, Window* parent)
    : Dialog(res::kEnableIntMemDialog, parent), memoryKb_(memoryKb), memoryUsedKb_(memoryUsedKb)
{
    On(Notification::Clicked, res::kIdcEnableAppend, [this](NotifyEvent&) { Choose(kAppend); });
    On(Notification::Clicked, res::kIdcEnableErase, [this](NotifyEvent&) { Choose(kErase); });
}

bool CEnableIntMem::OnInitDialog()
{
    Dialog::OnInitDialog();
    hasFreeSpace_ = memoryUsedKb_ != memoryKb_;
    if (Control* text = GetControl(res::kIdcEnableMemoryText))
        text->SetText(FormatEnableMemoryText(memoryKb_, memoryUsedKb_));
    if (Control* append = GetControl(res::kIdcEnableAppend))
        append->Enable(hasFreeSpace_);
    return true;
}

void CEnableIntMem::OnCancel()
{
    choice_ = kCancelled;
    Dialog::OnCancel();
}

void CEnableIntMem::Choose(int choice)
{
    choice_ = choice;
    EndDialog(kIdOk);
}

}  // namespace corvane
