#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// General-purpose digital input icon dialog.
extern const DialogTemplate kGpdiDialog;

}  // namespace corvane::res
