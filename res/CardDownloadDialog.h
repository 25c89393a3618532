#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

extern const DialogTemplate kCardDownloadDialog;

}  // namespace corvane::res
