#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Multiplexer icon dialog.
extern const DialogTemplate kMultiplexDialog;

}  // namespace corvane::res
