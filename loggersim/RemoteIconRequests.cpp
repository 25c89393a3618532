#include "loggersim/RemoteIconRequests.h"

#include "base/ByteReader.h"
#include "halvix/protocol/RemoteIconLayout.h"
#include "loggersim/StoredNetIcons.h"

#include <algorithm>
#include <bit>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace corvane {

namespace {

RequestOutcome BadData(const Frame& request)
{
    return RefuseRequest(
        request, kSimErrorBadRequestData, "Request " + std::to_string(request.requestType) + " carries bad data");
}

RequestOutcome BadContinuation(const Frame& request)
{
    return RefuseRequest(request, kSimErrorBadContinuation, "No such part of the list");
}

// The part of count items that starts at first: its end and the value the
// reply carries (the next part's start, 0 after the last part).
struct Part {
    std::size_t end = 0;
    std::uint32_t continuation = 0;
};
Part PartFrom(std::size_t first, std::size_t count, std::size_t perPart)
{
    const std::size_t end = std::min(count, first + perPart);
    return {end, end < count ? static_cast<std::uint32_t>(end) : 0u};
}

// The u32 continuation value of a CxRttId or CxRtGet request.
std::optional<std::uint32_t> ContinuationOf(const Frame& request)
{
    ByteReader reader(request.payload);
    const std::uint32_t continuation = reader.U32LE("continuation value");
    if (reader.Failed())
        return std::nullopt;
    return continuation;
}

// A value that moves with the clock, different for each tag.
float ReadingAt(std::int64_t loggerTime, std::uint16_t tagId, bool wholeNumber)
{
    const std::int64_t step = loggerTime + 7 * static_cast<std::int64_t>(tagId);
    if (wholeNumber)
        return static_cast<float>(step % 100);
    return 20.0f + static_cast<float>(step % 250) / 8.0f;
}

}  // namespace

RequestOutcome AnswerRemoteIconList(const LoggerState& state, const Frame& request)
{
    ByteReader reader(request.payload);
    const std::uint16_t kind = reader.U16LE("message kind");
    auto block = ParseRemoteIconBlock(request.payload.size() >= 2 ? std::span(request.payload).subspan(2)
                                                                   : std::span<const std::uint8_t>{});
    if (reader.Failed() || kind != kRemoteIconMessageKind || std::holds_alternative<ByteError>(block)
        || std::get<RemoteIconBlock>(block).operation != kRemoteOperationList)
        return BadData(request);
    const std::vector<StoredRemoteIcon> icons = StoredRemoteIcons(state.netImage);
    const std::size_t first = std::get<RemoteIconBlock>(block).Continuation();
    if (first != 0 && first >= icons.size())
        return BadContinuation(request);
    const Part part = PartFrom(first, icons.size(), kSimRemoteRecordsPerPart);
    std::vector<RemoteControlRecord> records;
    for (std::size_t i = first; i < part.end; ++i) {
        const StoredRemoteIcon& icon = icons[i];
        const auto kept = state.remoteValues.find(icon.iconId);
        const std::array<std::uint8_t, 4> value = kept != state.remoteValues.end() ? kept->second : icon.initialValue;
        RemoteControlRecord record;
        record.iconId = icon.iconId;
        record.isSwitch = icon.isSwitch;
        record.switchHigh = value[0] == 1;
        record.constant = std::bit_cast<float>(value);
        record.name = icon.name;
        records.push_back(std::move(record));
    }
    return AnswerRequest(request, BuildRemoteControlList(part.continuation, records));
}

RequestOutcome AnswerRemoteIconWrite(LoggerState& state, const Frame& request)
{
    ByteReader reader(request.payload);
    const std::uint16_t kind = reader.U16LE("message kind");
    const std::uint16_t iconId = reader.U16LE("icon id");
    auto parsed = ParseRemoteIconBlock(request.payload.size() >= 4 ? std::span(request.payload).subspan(4)
                                                                    : std::span<const std::uint8_t>{});
    if (reader.Failed() || kind != kRemoteIconMessageKind || std::holds_alternative<ByteError>(parsed))
        return BadData(request);
    const RemoteIconBlock& block = std::get<RemoteIconBlock>(parsed);
    if (block.operation != kRemoteOperationWrite)
        return BadData(request);
    const std::vector<StoredRemoteIcon> icons = StoredRemoteIcons(state.netImage);
    const auto icon = std::find_if(icons.begin(), icons.end(), [&](const auto& i) { return i.iconId == iconId; });
    if (icon == icons.end())
        return RefuseRequest(request, kSimErrorNoRemoteIcon, "No remote control of that id");
    // A switch keeps High or Low, whatever else the state word says.
    std::array<std::uint8_t, 4> value = block.value;
    if (icon->isSwitch)
        value = {static_cast<std::uint8_t>(std::ranges::any_of(value, [](std::uint8_t b) { return b != 0; })), 0, 0, 0};
    state.remoteValues[iconId] = value;
    return AnswerRequest(request, std::vector<std::uint8_t>(request.payload.begin() + 4, request.payload.end()));
}

RequestOutcome AnswerProbeDescriptors(const LoggerState& state, const Frame& request)
{
    const std::optional<std::uint32_t> continuation = ContinuationOf(request);
    if (!continuation)
        return BadData(request);
    const std::vector<StoredProbeTag> tags = StoredProbeTags(state.netImage);
    const std::size_t first = *continuation;
    if (first != 0 && first >= tags.size())
        return BadContinuation(request);
    const Part part = PartFrom(first, tags.size(), kSimProbeItemsPerPart);
    std::vector<ProbeDescriptor> descriptors;
    for (std::size_t i = first; i < part.end; ++i) {
        ProbeDescriptor descriptor;
        descriptor.id = tags[i].tagId;
        descriptor.name = tags[i].name;
        descriptor.decimals = tags[i].decimals;
        descriptor.dataType = tags[i].wholeNumber ? kProbeInteger : kProbeReal;
        descriptors.push_back(std::move(descriptor));
    }
    return AnswerRequest(request, BuildProbeDescriptors(part.continuation, descriptors));
}

RequestOutcome AnswerProbeValues(const LoggerState& state, const Frame& request, std::int64_t loggerTime)
{
    const std::optional<std::uint32_t> continuation = ContinuationOf(request);
    if (!continuation)
        return BadData(request);
    const std::vector<StoredProbeTag> tags = StoredProbeTags(state.netImage);
    const std::size_t first = *continuation;
    if (first != 0 && first >= tags.size())
        return BadContinuation(request);
    const Part part = PartFrom(first, tags.size(), kSimProbeItemsPerPart);
    std::vector<ProbeValueEntry> entries;
    for (std::size_t i = first; i < part.end; ++i) {
        ProbeValueEntry entry;
        if (state.running && tags[i].fed) {
            entry.time = static_cast<std::int32_t>(loggerTime);
            entry.value = ProbeRealBytes(ReadingAt(loggerTime, tags[i].tagId, tags[i].wholeNumber));
        }
        entries.push_back(entry);
    }
    return AnswerRequest(request, BuildProbeValues(part.continuation, entries));
}

}  // namespace corvane
