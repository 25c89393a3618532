#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Modbus register list icon dialog.
extern const DialogTemplate kModbusPropertiesDialog;

}  // namespace corvane::res
