#pragma once

#include "platform/Message.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

class CReplyMessage;

// The logger error box: "Error (%04X) while processing request.\n\n%s",
// titled "Communication Error", error icon, OK. UI thread; needs the
// running Application (its prompt sink shows the box).

inline constexpr std::string_view kCommErrorCaption = "Communication Error";

// The box's text for a code and a UTF-8 text.
std::string FormatCommError(std::uint16_t code, std::string_view text);

// Always shows the box over owner.
void ShowCommError(WindowHandle owner, std::uint16_t code, std::string_view text);

// Shows the box only when the reply's error flag is set. The code and the
// text come from the reply's data (u16 code, then NUL-terminated text), read
// within its length; what the data does not hold comes from the reply's
// own code and error text.
void ShowReplyError(WindowHandle owner, const CReplyMessage& reply);

}  // namespace corvane
