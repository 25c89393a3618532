#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Warning icon dialog.
extern const DialogTemplate kWarningDialog;

}  // namespace corvane::res
