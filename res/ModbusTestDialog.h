#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// "Modbus Register Access Test": the result text, the value to write and
// the button that reads or writes.
extern const DialogTemplate kModbusTestDialog;

}  // namespace corvane::res
