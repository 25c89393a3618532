#include "logger/CAuthDialog.h"

#include "platform/EditControl.h"
#include "res/DiagnosticLogDialogs.h"
#include "res/DiagnosticLogIds.h"

namespace corvane {

CAuthDialog::CAuthDialog(Window* parent) : Dialog(res::kAuthDialog, parent) {}

bool CAuthDialog::OnInitDialog()
{
    Dialog::OnInitDialog();
    if (auto* user = GetControlAs<EditControl>(res::kIdcAuthUserId)) {
        user->SetLimitText(kUserIdLimit);
        user->SetText(UserId);
    }
    if (auto* password = GetControlAs<EditControl>(res::kIdcAuthPassword)) {
        password->SetLimitText(kPasswordLimit);
        password->SetText(Password);
    }
    return true;
}

void CAuthDialog::OnOK()
{
    if (const Control* user = GetControl(res::kIdcAuthUserId))
        UserId = user->GetText().substr(0, kUserIdLimit);
    if (const Control* password = GetControl(res::kIdcAuthPassword))
        Password = password->GetText().substr(0, kPasswordLimit);
    Dialog::OnOK();
}

}  // namespace corvane
