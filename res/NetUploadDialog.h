#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Net upload dialog.
extern const DialogTemplate kNetUploadDialog;

}  // namespace corvane::res
