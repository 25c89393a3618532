#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

extern const DialogTemplate kComparatorDialog;

}  // namespace corvane::res
