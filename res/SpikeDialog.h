#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Transient reject filter icon dialog.
extern const DialogTemplate kSpikeDialog;

}  // namespace corvane::res
