#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Blue LED dialog.
extern const DialogTemplate kEngLedDialog;

}  // namespace corvane::res
