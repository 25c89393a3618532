#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// The 7-channel analog module's low-level voltage or thermocouple channel dialog (its caption is set per channel and
// kind).
extern const DialogTemplate kVxmLowVoltageDialog;

}  // namespace corvane::res
