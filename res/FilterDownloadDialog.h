#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

extern const DialogTemplate kFilterDownloadDialog;

}  // namespace corvane::res
