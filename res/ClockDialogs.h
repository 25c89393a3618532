#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// "Set Logger Clock" and "Resetting Logger".
extern const DialogTemplate kLoggerTimeDialog;
extern const DialogTemplate kResetLoggerDialog;

}  // namespace corvane::res
