#pragma once

#include "loggersim/LoggedSessionPlan.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// "SCANS[,interval=TICKS][,subsecond][,running]" (the simulator's
// --add-session) as a session plan; its start is left for
// AddSessionsEndingAt to place. Nothing for any other text.
std::optional<LoggedSessionPlan> ParseSessionAddition(std::string_view text);

// Appends the added sessions to sessions as a logger that has just logged
// them holds them: in the past of its clock (loggerSeconds), one after the
// other a minute apart, the last one's scans ending at the clock. A stopped
// session stops there; a running one goes on logging (SessionAsOf). Empty on
// success; otherwise why, and sessions are left as they were.
std::string AddSessionsEndingAt(
    std::vector<LoggedSessionPlan>& sessions, std::span<const LoggedSessionPlan> additions, std::int64_t loggerSeconds);

}  // namespace corvane
