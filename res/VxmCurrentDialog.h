#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// The 7-channel analog module's current channel dialog (its caption is set per channel).
extern const DialogTemplate kVxmCurrentDialog;

}  // namespace corvane::res
