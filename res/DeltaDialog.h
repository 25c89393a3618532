#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

extern const DialogTemplate kDeltaDialog;

}  // namespace corvane::res
