#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// The node dialogs of the analog input module and the digital I/O module,
// and the dialog that asks for a module's new name.
extern const DialogTemplate kVexa7NodeDialog;
extern const DialogTemplate kVexa2NodeDialog;
extern const DialogTemplate kChangeModuleNameDialog;

}  // namespace corvane::res
