#pragma once

#include "platform/PromptSink.h"

#include <string_view>

namespace corvane {

// A message box of the download dialogs; the button that ended it.
int ShowDownloadBox(WindowHandle owner, std::string_view text, std::string_view caption = {},
    MessageBoxIcon icon = MessageBoxIcon::None, MessageBoxButtons buttons = MessageBoxButtons::Ok);

}  // namespace corvane
