#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// The LCD message editor.
extern const DialogTemplate kLcdMessageEntryDialog;

}  // namespace corvane::res
