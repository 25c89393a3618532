#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// "Network Address": an IP address and its subnet mask.
extern const DialogTemplate kIpAddressAndSubnetDialog;

}  // namespace corvane::res
