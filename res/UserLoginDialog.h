#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// "User Login": user name and password (shown as bullets).
extern const DialogTemplate kUserLoginDialog;

}  // namespace corvane::res
