#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Smoothing filter icon dialog.
extern const DialogTemplate kFilterDialog;

}  // namespace corvane::res
