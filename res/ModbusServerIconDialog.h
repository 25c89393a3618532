#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Remote Modbus register icon dialog.
extern const DialogTemplate kModbusServerIconDialog;

}  // namespace corvane::res
