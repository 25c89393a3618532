#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

extern const DialogTemplate kDataDownloadDialog;

}  // namespace corvane::res
