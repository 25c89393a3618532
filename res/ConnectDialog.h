#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

extern const DialogTemplate kConnectDialog;

}  // namespace corvane::res
