#pragma once

#include "halvix/protocol/Frame.h"
#include "loggersim/LoggerRequests.h"
#include "loggersim/LoggerState.h"

#include <cstdint>

namespace corvane {

// CxQuvTimeSet (request type 2): i32 UTC seconds, u16 daylight-saving rule
// bits (bit 0 automatic daylight saving, bit 1 Internet time), i16 offset in
// minutes west, u16 milliseconds. The logger's clock, offset and rule bits
// take them; the reply has no data. Rule bits above bit 1, an offset of a
// day or more and milliseconds of a second or more are refused.
RequestOutcome AnswerQuvTimeSet(LoggerState& state, const Frame& request, std::int64_t hostSeconds);

// CxReset (request type 27): u16 option. The reply holds u16 0; then the
// logger drops its links and restarts (RequestOutcome::restart).
RequestOutcome AnswerReset(const Frame& request);

}  // namespace corvane
