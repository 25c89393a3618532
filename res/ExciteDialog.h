#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Sensor excitation dialog.
extern const DialogTemplate kExciteDialog;

}  // namespace corvane::res
