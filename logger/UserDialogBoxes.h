#pragma once

#include "platform/PromptSink.h"

#include <string>
#include <string_view>

namespace corvane {

class CReplyMessage;

// The message boxes of the logger user dialogs.
int ShowUserBox(WindowHandle owner, std::string_view text, std::string_view caption, MessageBoxIcon icon,
    MessageBoxButtons buttons = MessageBoxButtons::Ok);

// "%04X" of a reply's code and its error text in UTF-8, as the user boxes
// show them.
std::string ReplyCodeHex(const CReplyMessage& reply);
std::string ReplyText(const CReplyMessage& reply);

}  // namespace corvane
