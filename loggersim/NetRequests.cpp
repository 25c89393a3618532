#include "loggersim/NetRequests.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"
#include "halvix/protocol/NetTransferLayout.h"
#include "loggersim/NetImageFile.h"

#include <algorithm>
#include <string>

namespace corvane {

namespace {

RequestOutcome BadData(const Frame& request)
{
    return RefuseRequest(
        request, kSimErrorBadRequestData, "Request " + std::to_string(request.requestType) + " carries bad data");
}

RequestOutcome RefuseWhileEnabled(const Frame& request)
{
    return RefuseRequest(request, kSimErrorLoggerEnabled, "The logger must be stopped first");
}

std::vector<std::uint8_t> ValueData(std::uint32_t value)
{
    std::vector<std::uint8_t> data(kNetValueSize);
    ByteWriter(data).U32LE(value);
    return data;
}

}  // namespace

RequestOutcome AnswerNetSet(LoggerState& state, const Frame& request)
{
    ByteReader reader(request.payload);
    const std::uint32_t value = reader.U32LE("value");
    if (reader.Failed() || request.payload.size() - kNetBlockOffset > kNetBlockSize)
        return BadData(request);
    const std::span<const std::uint8_t> block = std::span(request.payload).subspan(kNetBlockOffset);
    if (value == 0) {
        // Room for the largest net at once, so the blocks never move.
        state.pendingNet = LoggerState::PendingNet{};
        state.pendingNet->bytes.reserve(kSimNetMaxSize);
    }
    auto& pending = state.pendingNet;
    if (!pending || pending->ended || value != pending->bytes.size())
        return RefuseRequest(request, kSimErrorNetSequence,
            "Net block " + std::to_string(value) + " does not follow the blocks received");
    if (block.size() > kSimNetMaxSize - pending->bytes.size()) {
        pending.reset();
        return RefuseRequest(
            request, kSimErrorNetTooLarge, "The net is larger than " + std::to_string(kSimNetMaxSize) + " bytes");
    }
    pending->bytes.insert(pending->bytes.end(), block.begin(), block.end());
    pending->ended = block.empty();
    return AnswerRequest(request, ValueData(static_cast<std::uint32_t>(pending->bytes.size())));
}

RequestOutcome AnswerNetInit(LoggerState& state, const Frame& request)
{
    if (state.running)
        return RefuseWhileEnabled(request);
    if (!state.pendingNet || !state.pendingNet->ended)
        return RefuseRequest(request, kSimErrorNoNetSent, "No net has been sent");
    std::vector<std::uint8_t> image = std::move(state.pendingNet->bytes);
    state.pendingNet.reset();
    switch (CheckNetImage(image)) {
    case NetImageCheck::BadLength:
        return RefuseRequest(request, kSimErrorNetLength, "The net's length does not match the bytes received");
    case NetImageCheck::BadCrc: return RefuseRequest(request, kSimErrorNetCrc, "The net's CRC does not match");
    case NetImageCheck::Good: break;
    }
    state.netName = NetImageName(image);
    state.netDescription = NetImageDescription(image);
    state.netMemoryBytes = static_cast<std::int32_t>(image.size());
    state.netImage = std::move(image);
    state.remoteValues.clear();
    RequestOutcome outcome = AnswerRequest(request, {});
    outcome.stateChanged = true;
    outcome.netChanged = true;
    return outcome;
}

RequestOutcome AnswerNetParm(const LoggerState& state, const Frame& request)
{
    const bool present = !state.netImage.empty();
    const std::string name = present ? state.netName : std::string();
    std::vector<std::uint8_t> data(kNetParmNameOffset + name.size() + 1, 0);
    ByteWriter writer(data);
    writer.U16LE(present ? kNetStatusPresent : kNetStatusAbsent, "status");
    writer.U32LE(static_cast<std::uint32_t>(state.netImage.size()), "size");
    writer.FixedText(name, name.size() + 1, "name");
    return AnswerRequest(request, std::move(data));
}

RequestOutcome AnswerNetGet(const LoggerState& state, const Frame& request)
{
    ByteReader reader(request.payload);
    const std::uint32_t offset = reader.U32LE("value");
    if (reader.Failed() || reader.Remaining() != 0)
        return BadData(request);
    if (state.netImage.empty())
        return RefuseRequest(request, kSimErrorNoNet, "The logger has no net");
    if (offset >= state.netImage.size())
        return RefuseRequest(request, kSimErrorNetSequence, "Net block " + std::to_string(offset) + " is past the net's end");
    const std::size_t count = std::min(kNetBlockSize, state.netImage.size() - offset);
    const std::size_t next = offset + count == state.netImage.size() ? 0 : offset + count;
    std::vector<std::uint8_t> data = ValueData(static_cast<std::uint32_t>(next));
    const auto block = std::span(state.netImage).subspan(offset, count);
    data.insert(data.end(), block.begin(), block.end());
    return AnswerRequest(request, std::move(data));
}

RequestOutcome AnswerEraseAll(LoggerState& state, const Frame& request)
{
    if (state.running)
        return RefuseWhileEnabled(request);
    state.logUsedKb = 0;
    RequestOutcome outcome = AnswerRequest(request, {});
    outcome.stateChanged = true;
    outcome.sessionsErased = true;
    return outcome;
}

}  // namespace corvane
