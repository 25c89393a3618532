#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// The logger analog input dialog (its caption is set per channel and kind).
extern const DialogTemplate kEngInputsDialog;

}  // namespace corvane::res
