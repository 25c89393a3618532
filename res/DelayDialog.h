#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Delay icon dialog.
extern const DialogTemplate kDelayDialog;

}  // namespace corvane::res
