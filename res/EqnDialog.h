#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

extern const DialogTemplate kEqnDialog;

}  // namespace corvane::res
