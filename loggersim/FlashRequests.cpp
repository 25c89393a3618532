#include "loggersim/FlashRequests.h"

#include "base/ByteReader.h"
#include "halvix/protocol/FlashAccessKey.h"
#include "halvix/protocol/RequestTypes.h"

#include <algorithm>
#include <string>
#include <vector>

namespace corvane {

namespace {

// Each reflash step is acknowledged with u16 0, so the reply carries data.
std::vector<std::uint8_t> Done() { return {0, 0}; }

bool KeyMatches(ByteReader& reader)
{
    const std::span<const std::uint8_t> key = reader.Bytes(8, "access key");
    const std::array<std::uint8_t, 8> expected = FlashAccessKey();
    return !reader.Failed() && std::equal(key.begin(), key.end(), expected.begin(), expected.end());
}

RequestOutcome BadKey(const Frame& request)
{
    return RefuseRequest(request, kSimErrorFlashKey, "Flash access denied");
}

RequestOutcome OutOfSequence(const Frame& request, std::string_view text)
{
    return RefuseRequest(request, kSimErrorFirmwareSequence, text);
}

RequestOutcome Init(std::optional<PendingFirmware>& pending, const LoggerState& state, const Frame& request)
{
    ByteReader reader(request.payload);
    if (!KeyMatches(reader) || reader.Remaining() != 0)
        return BadKey(request);
    if (state.running)
        return RefuseRequest(request, kSimErrorLoggerEnabled, "The logger cannot be reflashed while enabled");
    pending.emplace();
    return AnswerRequest(request, Done());
}

RequestOutcome Data(std::optional<PendingFirmware>& pending, const Frame& request)
{
    ByteReader reader(request.payload);
    const std::uint32_t offset = reader.U32LE("offset");
    const std::uint16_t count = reader.U16LE("count");
    if (reader.Failed() || count == 0 || count > kFlashDataMaxBytes || reader.Remaining() != count)
        return RefuseRequest(request, kSimErrorBadRequestData, "Firmware block carries bad data");
    if (!pending)
        return OutOfSequence(request, "No firmware reflash is under way");
    if (offset != pending->nextOffset)
        return OutOfSequence(request, "Firmware block at offset " + std::to_string(offset) + " is out of sequence");
    const std::span<const std::uint8_t> block = reader.Bytes(count, "block");
    for (std::size_t i = 0; i < block.size(); ++i) {
        const std::uint64_t at = std::uint64_t{offset} + i;
        if (at >= kFirmwareVersionOffset && at < kFirmwareVersionOffset + 4) {
            pending->version[static_cast<std::size_t>(at - kFirmwareVersionOffset)] = block[i];
            ++pending->versionBytesSeen;
        }
    }
    pending->nextOffset += count;
    return AnswerRequest(request, Done());
}

RequestOutcome Exec(std::optional<PendingFirmware>& pending, LoggerState& state, const Frame& request)
{
    ByteReader reader(request.payload);
    if (!KeyMatches(reader))
        return BadKey(request);
    reader.U16LE("relay option");
    if (reader.Failed() || reader.Remaining() != 0)
        return RefuseRequest(request, kSimErrorBadRequestData, "Reflash request carries bad data");
    if (!pending)
        return OutOfSequence(request, "No firmware image was received");
    const PendingFirmware image = *pending;
    pending.reset();
    if (image.versionBytesSeen < 4 || image.version[0] != kFirmwareLoggerType)
        return RefuseRequest(request, kSimErrorFirmwareType, "Firmware image does not suit this logger");
    state.firmwareVersion = std::uint32_t{image.version[0]} << 24 | std::uint32_t{image.version[1]} << 16
        | std::uint32_t{image.version[2]} << 8 | image.version[3];
    RequestOutcome outcome = AnswerRequest(request, Done());
    outcome.stateChanged = true;
    return outcome;
}

}  // namespace

bool IsFlashRequest(std::uint16_t requestType)
{
    return requestType == kRequestFlashInit || requestType == kRequestFlashData || requestType == kRequestFlashExec;
}

RequestOutcome AnswerFlashRequest(std::optional<PendingFirmware>& pending, LoggerState& state, const Frame& request)
{
    switch (request.requestType) {
    case kRequestFlashInit: return Init(pending, state, request);
    case kRequestFlashData: return Data(pending, request);
    case kRequestFlashExec: return Exec(pending, state, request);
    default: return RefuseRequest(request, kSimErrorUnknownRequest, "Not a reflash request");
    }
}

}  // namespace corvane
