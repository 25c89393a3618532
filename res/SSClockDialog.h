#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Start/stop clock icon dialog.
extern const DialogTemplate kSSClockDialog;

}  // namespace corvane::res
