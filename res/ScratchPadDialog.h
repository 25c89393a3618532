#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Scratchpad register icon dialog.
extern const DialogTemplate kScratchPadDialog;

}  // namespace corvane::res
