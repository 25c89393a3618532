#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Digital I/O module frequency/open-collector output dialog.
extern const DialogTemplate kVexaFreqOutDialog;

}  // namespace corvane::res
