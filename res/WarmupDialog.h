#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Warm-up icon dialog.
extern const DialogTemplate kWarmupDialog;

}  // namespace corvane::res
