#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Text note icon dialog.
extern const DialogTemplate kTnoteDialog;

}  // namespace corvane::res
