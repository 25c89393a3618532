#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Digital I/O module +5 V excitation output dialog.
extern const DialogTemplate kVexaFiveVoltDialog;

}  // namespace corvane::res
