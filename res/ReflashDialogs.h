#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

extern const DialogTemplate kReflashDialog;

}  // namespace corvane::res
