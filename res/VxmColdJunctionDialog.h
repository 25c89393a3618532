#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// The 7-channel analog module's cold-junction dialog.
extern const DialogTemplate kVxmColdJunctionDialog;

}  // namespace corvane::res
