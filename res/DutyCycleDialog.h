#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

extern const DialogTemplate kDutyCycleDialog;

}  // namespace corvane::res
