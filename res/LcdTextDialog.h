#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// LCD message icon dialog.
extern const DialogTemplate kLcdTextDialog;

}  // namespace corvane::res
