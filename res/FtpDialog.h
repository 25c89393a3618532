#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// The FTP icon's dialog and the destination page of the sheet it holds.
extern const DialogTemplate kFtpDialog;
extern const DialogTemplate kFtpDestPage;

}  // namespace corvane::res
