#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Audible alarm dialog.
extern const DialogTemplate kEngAlarmDialog;

}  // namespace corvane::res
