#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// "Remote Control Options..." (dialog 364).
extern const DialogTemplate kRemoteControlsDialog;
// "Probe Point Values" (dialog 281).
extern const DialogTemplate kProbeValuesDialog;

}  // namespace corvane::res
