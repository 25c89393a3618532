#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Data buffer icon dialog.
extern const DialogTemplate kDataBufferDialog;

}  // namespace corvane::res
