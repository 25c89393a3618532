#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

extern const DialogTemplate kEditMathFunctionDialog;

}  // namespace corvane::res
