#include "loggersim/ClockRequests.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace corvane {

namespace {

constexpr std::uint16_t kKnownRuleBits = 0x3;
constexpr int kMinutesPerDay = 24 * 60;

}  // namespace

RequestOutcome AnswerQuvTimeSet(LoggerState& state, const Frame& request, std::int64_t hostSeconds)
{
    ByteReader reader(request.payload);
    const std::int32_t utcSeconds = reader.I32LE("UTC seconds");
    const std::uint16_t rules = reader.U16LE("rule bits");
    const std::int16_t offset = reader.I16LE("offset");
    const std::uint16_t milliseconds = reader.U16LE("milliseconds");
    if (reader.Failed() || reader.Remaining() != 0 || (rules & ~kKnownRuleBits) != 0
        || std::abs(static_cast<int>(offset)) >= kMinutesPerDay || milliseconds >= 1000) {
        return RefuseRequest(request, kSimErrorBadRequestData,
            "Request " + std::to_string(request.requestType) + " carries bad data");
    }
    state.clockOffsetSeconds = static_cast<std::int64_t>(utcSeconds) - hostSeconds;
    state.daylightRule = rules;
    state.timeZoneMinutes = offset;
    RequestOutcome outcome = AnswerRequest(request, {});
    outcome.stateChanged = true;
    return outcome;
}

RequestOutcome AnswerReset(const Frame& request)
{
    ByteReader reader(request.payload);
    reader.U16LE("option");
    if (reader.Failed() || reader.Remaining() != 0) {
        return RefuseRequest(request, kSimErrorBadRequestData,
            "Request " + std::to_string(request.requestType) + " carries bad data");
    }
    std::vector<std::uint8_t> data(2);
    ByteWriter(data).U16LE(0);
    RequestOutcome outcome = AnswerRequest(request, std::move(data));
    outcome.restart = true;
    return outcome;
}

}  // namespace corvane
