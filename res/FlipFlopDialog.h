#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

extern const DialogTemplate kFlipFlopDialog;

}  // namespace corvane::res
