#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// About box.
extern const DialogTemplate kAboutDialog;

}  // namespace corvane::res
