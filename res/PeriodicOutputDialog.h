#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Periodic output icon dialog.
extern const DialogTemplate kPeriodicOutputDialog;

}  // namespace corvane::res
