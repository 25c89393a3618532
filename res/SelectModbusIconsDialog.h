#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Modbus icon selection dialog: an icon list and a group list.
extern const DialogTemplate kSelectModbusIconsDialog;

}  // namespace corvane::res
