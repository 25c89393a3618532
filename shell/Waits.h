#pragma once

#include "platform/Message.h"

#include <cstdint>

namespace corvane {

// Waits that keep the user interface alive, on the application's monotonic
// clock. A quit requested during a wait is kept for the outer loop. They
// need the running Application; UI thread only.

// count rounds, each dispatching one waiting message (for that window only
// when one is given); never blocks.
void PumpMessages(int count, WindowHandle only = {});
// Returns once milliseconds have passed, pumping one message per round
// unless noPump; a 0 wait still pumps once.
void WaitMilliseconds(std::uint32_t milliseconds, bool noPump = false);
// The same in whole seconds; below 1 returns at once without pumping.
void WaitSeconds(int seconds, bool noPump = false);

}  // namespace corvane
