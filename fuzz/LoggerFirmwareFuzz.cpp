// Feeds arbitrary bytes to the readers of logger firmware: the version
// check of a firmware file (as the bytes at the version offset, and as the
// tail of an image that reaches them) and the simulated logger's reflash
// requests, which must refuse whatever is not a well-formed step and take
// new firmware only for logger type 3.
#include "halvix/protocol/RequestTypes.h"
#include "logger/LoggerFirmwareFile.h"
#include "loggersim/FlashRequests.h"

#include <cstdint>
#include <span>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> input = size == 0 ? std::span<const std::uint8_t>{} : std::span(data, size);
    using namespace corvane;
    using Check = LoggerFirmwareFile::VersionCheck;

    const bool valid = input.size() >= 4 && input[0] == LoggerFirmwareFile::kLoggerType;
    const auto bytes = LoggerFirmwareFile::CheckVersionBytes(input);
    if ((bytes.check == Check::Valid) != valid || (input.size() < 4) != (bytes.check == Check::Short))
        __builtin_trap();
    if (LoggerFirmwareFile::CheckImage(input).check != Check::Short)
        __builtin_trap();
    std::vector<std::uint8_t> image(static_cast<std::size_t>(LoggerFirmwareFile::kVersionOffset));
    image.insert(image.end(), input.begin(), input.end());
    if ((LoggerFirmwareFile::CheckImage(image).check == Check::Valid) != valid)
        __builtin_trap();
    if (valid && LoggerFirmwareFile::VersionText(bytes.version).size() < 11)
        __builtin_trap();

    // The input as the payload of each reflash step in turn.
    LoggerState state = LoggerState::Fresh();
    const std::uint32_t before = state.firmwareVersion;
    std::optional<PendingFirmware> pending;
    Frame request;
    request.payload.assign(input.begin(), input.end());
    for (const std::uint16_t type : {kRequestFlashInit, kRequestFlashData, kRequestFlashExec}) {
        request.requestType = type;
        const RequestOutcome outcome = AnswerFlashRequest(pending, state, request);
        if (!outcome.reply)
            __builtin_trap();
        if (type != kRequestFlashExec && state.firmwareVersion != before)
            __builtin_trap();
    }
    if (state.firmwareVersion != before && (state.firmwareVersion >> 24) != LoggerFirmwareFile::kLoggerType)
        __builtin_trap();
    return 0;
}
