#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Logger digital I/O channel icon dialog.
extern const DialogTemplate kOdioDialog;

}  // namespace corvane::res
