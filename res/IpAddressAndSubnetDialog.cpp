#include "res/IpAddressAndSubnetDialog.h"
#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr std::array kControls = {
    ControlTemplate{K::Picture, kIdcNetworkAddressPicture, "", {10, 10, 64, 64}},
    ControlTemplate{K::Static, kIdStatic, "IP Address", {88, 18, 96, 20}},
    ControlTemplate{K::IpAddress, kIdcIpAddress, "", {188, 14, 140, 24}},
    ControlTemplate{K::Static, kIdStatic, "Subnet Mask", {88, 52, 96, 20}},
    ControlTemplate{K::IpAddress, kIdcSubnetMask, "", {188, 48, 140, 24}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {64, 92, 84, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {154, 92, 84, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {244, 92, 84, 28}},
};

}  // namespace

const DialogTemplate kIpAddressAndSubnetDialog{kDialogIpAddressAndSubnet, "Network Address", 342, 134, kControls};

}  // namespace corvane::res
