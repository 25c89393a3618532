#include "shell/CIpAddressAndSubnet.h"

#include "controls/CPictureEx.h"
#include "platform/Application.h"
#include "platform/IpAddressControl.h"
#include "platform/PictureControl.h"
#include "platform/PromptSink.h"
#include "res/Animations.h"
#include "res/IpAddressAndSubnetDialog.h"
#include "res/ResourceIds.h"

#include <arpa/inet.h>

namespace corvane {

namespace {

constexpr std::string_view kIncompleteText = "Please fill in all four fields of the IP address and of the subnet mask.";

}  // namespace

CIpAddressAndSubnet::CIpAddressAndSubnet(Window* parent) : Dialog(res::kIpAddressAndSubnetDialog, parent)
{
    On(Notification::Clicked, kIdHelp,
        [this](NotifyEvent&) { Application::Instance().Prompts().ShowHelp(Handle(), kHelpContext); });
}

CIpAddressAndSubnet::~CIpAddressAndSubnet() = default;

bool CIpAddressAndSubnet::OnInitDialog()
{
    const bool result = Dialog::OnInitDialog();
    // The picture plays the network animation on the button face.
    if (auto* picture = GetControlAs<PictureControl>(res::kIdcNetworkAddressPicture)) {
        picture_ = std::make_unique<CPictureEx>(*picture);
        if (picture_->Load(res::MakeAnimation(res::kAnimationNetworkAddress)))
            picture_->Draw();
    }
    if (auto* address = GetControlAs<IpAddressControl>(res::kIdcIpAddress))
        address->SetAddress(ntohl(address_));
    if (auto* mask = GetControlAs<IpAddressControl>(res::kIdcSubnetMask))
        mask->SetAddress(ntohl(mask_));
    return result;
}

void CIpAddressAndSubnet::OnOK()
{
    auto* address = GetControlAs<IpAddressControl>(res::kIdcIpAddress);
    auto* mask = GetControlAs<IpAddressControl>(res::kIdcSubnetMask);
    std::uint32_t addressValue = 0;
    std::uint32_t maskValue = 0;
    const int addressFields = address != nullptr ? address->GetAddress(addressValue) : 0;
    const int maskFields = mask != nullptr ? mask->GetAddress(maskValue) : 0;
    if (addressFields != 4 || maskFields != 4) {
        MessageBoxRequest box;
        box.owner = Handle();
        box.text = std::string(kIncompleteText);
        box.caption = "Network Address";
        box.icon = MessageBoxIcon::Warning;
        Application::Instance().Prompts().ShowMessageBox(box);
        IpAddressControl* incomplete = addressFields != 4 ? address : mask;
        if (incomplete != nullptr) {
            incomplete->SetFocus();
            incomplete->SetFieldFocus(-1);
        }
        return;
    }
    address_ = addressValue;
    mask_ = maskValue;
    EndDialog(kIdOk);
}

}  // namespace corvane
