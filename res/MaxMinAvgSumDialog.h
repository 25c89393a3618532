#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// Minimum, maximum, sum and average icon dialog (title and option texts are set by kind).
extern const DialogTemplate kMaxMinAvgSumDialog;

}  // namespace corvane::res
