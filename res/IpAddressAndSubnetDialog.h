#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// "Network Address": an IP address and its subnet mask.
inline constexpr int kDialogIpAddressAndSubnet = 531;
inline constexpr int kIdcIpAddress = 1484;
inline constexpr int kIdcSubnetMask = 1222;
inline constexpr int kIdcNetworkAddressPicture = 1485;
inline constexpr int kNetworkAddressAnimation = 493;  // the picture control's animation
inline constexpr int kHelpIpAddressAndSubnet = 2141;

extern const DialogTemplate kIpAddressAndSubnetDialog;

}  // namespace corvane::res
