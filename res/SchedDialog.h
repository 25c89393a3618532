#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Scheduler icon dialog.
extern const DialogTemplate kSchedDialog;

}  // namespace corvane::res
