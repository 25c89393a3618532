#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

extern const DialogTemplate kCountDialog;

}  // namespace corvane::res
