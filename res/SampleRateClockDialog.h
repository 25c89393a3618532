#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Sample-rate clock icon dialog.
extern const DialogTemplate kSampleRateClockDialog;

}  // namespace corvane::res
