#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Power management dialog.
extern const DialogTemplate kPowerManagementDialog;

}  // namespace corvane::res
