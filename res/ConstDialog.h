#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Constant, remote constant and remote switch icon dialog.
extern const DialogTemplate kConstDialog;

}  // namespace corvane::res
