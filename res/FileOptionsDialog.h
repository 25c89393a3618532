#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Option controls of the file dialog with options.
extern const DialogTemplate kFileOptionsDialog;

}  // namespace corvane::res
