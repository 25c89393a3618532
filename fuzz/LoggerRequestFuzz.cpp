// Answers a series of requests with arbitrary payloads from a fresh
// simulated logger. Input: records of u16 request type, u16 payload length
// (both little-endian) and the payload; a cut record takes what is left.
// Every answer must be a reply to its request that the link can send.
#include "halvix/protocol/FrameCodec.h"
#include "loggersim/LoggerRequests.h"
#include "loggersim/LoggerState.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>

namespace {

constexpr std::int64_t kHostSeconds = 1700000000;

void CheckSendable(const corvane::Frame& frame)
{
    if (!corvane::EncodeFrame(frame))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::span<const std::uint8_t> input = size == 0 ? std::span<const std::uint8_t>{} : std::span(data, size);
    corvane::LoggerState state{};
    state.modbusUnits[1] = corvane::ModbusUnit::Fresh();
    // An analog module at 1 and a digital module at 4 answer module commands and reflash steps.
    state.modules[1].type = corvane::kModuleTypeAnalog;
    state.modules[4].type = corvane::kModuleTypeDigital;
    std::uint32_t requestId = 1;
    while (input.size() >= 4) {
        corvane::Frame request;
        request.requestType = static_cast<std::uint16_t>(input[0] | (input[1] << 8));
        request.requestId = requestId++;
        const std::size_t length
            = std::min<std::size_t>(static_cast<std::size_t>(input[2] | (input[3] << 8)), input.size() - 4);
        request.payload.assign(input.begin() + 4, input.begin() + 4 + static_cast<std::ptrdiff_t>(length));
        input = input.subspan(4 + length);

        const corvane::RequestOutcome outcome = corvane::HandleRequest(state, request, kHostSeconds);
        for (const corvane::Frame& message : outcome.messages) {
            if (message.kind != corvane::FrameKind::Unsolicited)
                std::abort();
            CheckSendable(message);
        }
        if (outcome.reply) {
            if (outcome.reply->kind != corvane::FrameKind::Reply || outcome.reply->requestId != request.requestId)
                std::abort();
            CheckSendable(*outcome.reply);
        }
    }
    return 0;
}
