#pragma once

#include "platform/Message.h"

namespace corvane {

// Thread messages of the comms thread besides the logger's own messages.

// lParam: the value of a window handle; engineering test results from the
// logger go to that window from now on.
inline constexpr MessageId kCommsRegisterWindowMessage = 0x478;
// Test results are dropped again.
inline constexpr MessageId kCommsUnregisterWindowMessage = 0x479;

}  // namespace corvane
