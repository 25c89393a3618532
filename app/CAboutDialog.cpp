#include "app/CAboutDialog.h"

#include "app/ProgramVersionStrings.h"
#include "platform/Application.h"
#include "platform/Control.h"
#include "platform/PromptSink.h"
#include "res/AboutDialog.h"
#include "res/ResourceIds.h"

namespace corvane {

CAboutDialog::CAboutDialog(Window* parent) : Dialog(res::kAboutDialog, parent)
{
    On(Notification::Clicked, kIdHelp,
        [this](NotifyEvent&) { Application::Instance().Prompts().ShowHelp(Handle(), kHelpId); });
}

bool CAboutDialog::OnInitDialog()
{
    (void)Dialog::OnInitDialog();
    versionText_ = "Corvane Version " + ProgramVersionString("FileVersion");
    legalText_ = ProgramVersionString(kLegalNoticeKey);
    GetControl(res::kIdcAboutVersion)->SetText(versionText_);
    GetControl(res::kIdcAboutLegal)->SetText(legalText_);
    return true;
}

}  // namespace corvane
