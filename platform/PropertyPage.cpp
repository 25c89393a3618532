#include "platform/PropertyPage.h"

#include "platform/Application.h"
#include "platform/PromptSink.h"
#include "platform/PropertySheet.h"

namespace corvane {

namespace {

// Context help ids of dialogs and pages: their resource id above this base.
constexpr std::uint32_t kDialogHelpBase = 0x20000;

}  // namespace

PropertyPage::PropertyPage(const DialogTemplate& layout) : Dialog(layout) {}

PropertyPage::~PropertyPage() = default;

void PropertyPage::SetModified(bool modified)
{
    modified_ = modified;
    if (sheet_ != nullptr)
        sheet_->UpdateApplyButton();
}

// The members are loaded by the first OnSetActive instead.
bool PropertyPage::OnInitDialog() { return true; }

bool PropertyPage::OnSetActive()
{
    if (loaded_)
        return true;
    loaded_ = true;
    UpdateData(false);
    return true;
}

bool PropertyPage::OnKillActive() { return UpdateData(true); }

bool PropertyPage::OnApply() { return true; }

void PropertyPage::OnOK() {}

void PropertyPage::OnCancel() {}

void PropertyPage::OnHelp()
{
    const WindowHandle owner = sheet_ != nullptr ? sheet_->Handle() : Handle();
    Application::Instance().Prompts().ShowHelp(owner, kDialogHelpBase + static_cast<std::uint32_t>(Layout().id));
}

}  // namespace corvane
