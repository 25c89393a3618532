#include "res/IpAddressAndSubnetDialog.h"
#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr std::array kControls = {
    ControlTemplate{K::Picture, kIdcNetworkAddressPicture, "", {14, 14, 48, 48}},
    ControlTemplate{K::Static, kIdStatic, "IP Address", {76, 18, 96, 20}},
    ControlTemplate{K::IpAddress, kIdcIpAddress, "", {176, 14, 140, 24}},
    ControlTemplate{K::Static, kIdStatic, "Subnet Mask", {76, 52, 96, 20}},
    ControlTemplate{K::IpAddress, kIdcSubnetMask, "", {176, 48, 140, 24}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {52, 92, 84, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {142, 92, 84, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {232, 92, 84, 28}},
};

}  // namespace

const DialogTemplate kIpAddressAndSubnetDialog{kDialogIpAddressAndSubnet, "Network Address", 330, 134, kControls};

}  // namespace corvane::res
