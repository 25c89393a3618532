#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

extern const DialogTemplate kRateOfChangeDialog;

}  // namespace corvane::res
