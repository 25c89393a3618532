#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

extern const DialogTemplate kNetDownloadDialog;

}  // namespace corvane::res
