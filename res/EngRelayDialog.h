#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Relay dialog.
extern const DialogTemplate kEngRelayDialog;

}  // namespace corvane::res
