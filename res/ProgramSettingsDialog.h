#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

extern const DialogTemplate kProgramSettingsDialog;

}  // namespace corvane::res
