#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

extern const DialogTemplate kTaccumDialog;

}  // namespace corvane::res
