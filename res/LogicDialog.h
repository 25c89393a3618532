#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

extern const DialogTemplate kLogicDialog;

}  // namespace corvane::res
