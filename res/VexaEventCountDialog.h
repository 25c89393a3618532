#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Digital I/O module event/counter channel dialog.
extern const DialogTemplate kVexaEventCountDialog;

}  // namespace corvane::res
