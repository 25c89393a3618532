#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Net conversion dialog.
extern const DialogTemplate kConvertNetDialog;

}  // namespace corvane::res
