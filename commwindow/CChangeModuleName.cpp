#include "commwindow/CChangeModuleName.h"

#include "platform/Application.h"
#include "platform/EditControl.h"
#include "platform/PromptSink.h"
#include "res/ModuleNodeDialogs.h"
#include "res/ModuleNodeIds.h"

namespace corvane {

CChangeModuleName::CChangeModuleName(std::string_view name, Window* parent)
    : Dialog(res::kChangeModuleNameDialog, parent), name_(name)
{
    On(Notification::Clicked, kIdHelp,
        [this](NotifyEvent&) { Application::Instance().Prompts().ShowHelp(Handle(), kHelpContext); });
}

bool CChangeModuleName::OnInitDialog()
{
    Dialog::OnInitDialog();
    if (auto* edit = GetControlAs<EditControl>(res::kIdcNewModuleName)) {
        edit->SetLimitText(kNameLimit);
        edit->SetText(name_);
    }
    return true;
}

void CChangeModuleName::OnOK()
{
    if (const auto* edit = GetControlAs<EditControl>(res::kIdcNewModuleName))
        name_ = edit->GetText();
    Dialog::OnOK();
}

}  // namespace corvane
