#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// The Program icon's dialog and the two pages of the sheet it holds.
extern const DialogTemplate kGlobalDialog;
extern const DialogTemplate kGlobalSystemPage;
extern const DialogTemplate kGlobalLcdPage;

}  // namespace corvane::res
