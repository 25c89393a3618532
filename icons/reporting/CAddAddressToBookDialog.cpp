#include "icons/reporting/CAddAddressToBookDialog.h"

#include "icons/reporting/EmailAddressCheck.h"
#include "platform/Application.h"
#include "platform/DataExchange.h"
#include "platform/EditControl.h"
#include "platform/PromptSink.h"
#include "res/AddressBookDialogs.h"
#include "res/ResourceIds.h"

namespace corvane {

CAddAddressToBookDialog::CAddAddressToBookDialog(std::string& target, Window* parent)
    : Dialog(res::kAddAddressToBookDialog, parent), target_(target)
{}

bool CAddAddressToBookDialog::OnInitDialog()
{
    if (auto* edit = GetControlAs<EditControl>(res::kIdcNewAddress))
        edit->SetLimitText(kAddressLimit);
    return Dialog::OnInitDialog();
}

void CAddAddressToBookDialog::DoDataExchange(DataExchange& exchange)
{
    DdxText(exchange, res::kIdcNewAddress, address_, kAddressLimit);
}

void CAddAddressToBookDialog::OnOK()
{
    if (!UpdateData(true))
        return;
    const EmailAddressFault fault = CheckEmailAddress(address_);
    if (fault != EmailAddressFault::None) {
        Application::Instance().Prompts().ShowMessageBox({Handle(), std::string(EmailAddressFaultText(fault)),
            std::string(kInvalidCaption), MessageBoxButtons::Ok, MessageBoxIcon::Error});
        return;
    }
    target_ = address_;
    EndDialog(kIdOk);
}

}  // namespace corvane
