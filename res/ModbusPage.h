#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// "Modbus": the page of the logger configuration sheet that sets the
// logger's Modbus roles, serial and TCP settings and client address tables.
extern const DialogTemplate kModbusPage;

}  // namespace corvane::res
