#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// "Data Tag Selection", the tag picker page of the e-mail and FTP sheets.
extern const DialogTemplate kTagPickerPage;

}  // namespace corvane::res
