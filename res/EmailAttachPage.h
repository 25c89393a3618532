#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// The File Specification page of the e-mail and FTP sheets.
extern const DialogTemplate kEmailAttachPage;

}  // namespace corvane::res
