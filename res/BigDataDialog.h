#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Memory, Probe and MQTT icon dialog; the caption is set per icon.
extern const DialogTemplate kBigDataDialog;

}  // namespace corvane::res
