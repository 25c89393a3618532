#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Digital I/O module frequency input dialog.
extern const DialogTemplate kVexaFreqInDialog;

}  // namespace corvane::res
