#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Check net dialog.
extern const DialogTemplate kCheckNetDialog;

}  // namespace corvane::res
