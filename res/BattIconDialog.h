#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Supply voltages dialog.
extern const DialogTemplate kBattIconDialog;

}  // namespace corvane::res
