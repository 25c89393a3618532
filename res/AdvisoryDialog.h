#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Advisory box.
extern const DialogTemplate kAdvisoryDialog;

}  // namespace corvane::res
