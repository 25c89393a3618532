#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

extern const DialogTemplate kWinCompareDialog;

}  // namespace corvane::res
