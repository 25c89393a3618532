#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// One-shot icon dialog.
extern const DialogTemplate kOneShotDialog;

}  // namespace corvane::res
