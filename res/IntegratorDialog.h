#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

extern const DialogTemplate kIntegratorDialog;

}  // namespace corvane::res
