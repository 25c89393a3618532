#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// The 7-channel analog module's high-voltage channel dialog (its caption is set per channel).
extern const DialogTemplate kVxmHighVoltageDialog;

}  // namespace corvane::res
