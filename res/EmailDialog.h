#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// The e-mail icon's dialog and the message page of the sheet it holds.
extern const DialogTemplate kEmailDialog;
extern const DialogTemplate kEmailMsgPage;

}  // namespace corvane::res
