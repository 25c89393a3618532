#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

extern const DialogTemplate kMathLibraryDialog;

}  // namespace corvane::res
