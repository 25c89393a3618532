#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Stop icon dialog.
extern const DialogTemplate kStopDialog;

}  // namespace corvane::res
