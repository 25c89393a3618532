#pragma once

#include "halvix/protocol/Frame.h"
#include "loggersim/LoggerRequests.h"
#include "loggersim/LoggerState.h"

#include <cstddef>
#include <cstdint>

namespace corvane {

// How many remote-control records, probe descriptors and probe values one
// reply part holds; longer lists come in parts, the continuation value
// being the position of the next part's first item.
constexpr std::size_t kSimRemoteRecordsPerPart = 4;
constexpr std::size_t kSimProbeItemsPerPart = 4;

constexpr std::uint16_t kSimErrorNoRemoteIcon = 0x4121;  // no remote control of that id in the net
constexpr std::uint16_t kSimErrorBadContinuation = 0x4122;

// CxIcpMsg (128): the stored net's remote constants and switches with the
// values they hold, in parts.
RequestOutcome AnswerRemoteIconList(const LoggerState& state, const Frame& request);
// CxIconMsg (129): sets a remote control's value; the reply repeats the
// 6-byte block.
RequestOutcome AnswerRemoteIconWrite(LoggerState& state, const Frame& request);
// CxRttId (68): the descriptors of the tags the net's Probe icon lists.
RequestOutcome AnswerProbeDescriptors(const LoggerState& state, const Frame& request);
// CxRtGet (69): the latest reading of each of those tags at loggerTime.
// While the logger runs a fed tag reads a value that moves with the clock,
// taken that second; a stopped logger and a tag with nothing at its input
// give time 0 (no reading yet).
RequestOutcome AnswerProbeValues(const LoggerState& state, const Frame& request, std::int64_t loggerTime);

}  // namespace corvane
