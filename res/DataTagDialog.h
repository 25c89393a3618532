#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Data Tag icon dialog.
extern const DialogTemplate kDataTagDialog;

}  // namespace corvane::res
