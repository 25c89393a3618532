#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

extern const DialogTemplate kConnectionSettingsDialog;

}  // namespace corvane::res
