#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

extern const DialogTemplate kLatchDialog;

}  // namespace corvane::res
