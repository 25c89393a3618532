#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

extern const DialogTemplate kLoggerStatusDialog;
extern const DialogTemplate kEnableIntMemDialog;

}  // namespace corvane::res
