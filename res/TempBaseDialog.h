#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Logger cold-junction temperature dialog.
extern const DialogTemplate kTempBaseDialog;

}  // namespace corvane::res
