// Feeds arbitrary bytes to the readers of the remote-control list and the
// probe-point descriptor and value replies, runs the probe list's polling
// over what they read, and reads the same bytes as a simulated logger's
// stored net. Every record must come from whole bytes of the input, texts
// must stay inside their fields, and nothing may read past the end.
#include "halvix/protocol/RemoteIconLayout.h"
#include "logger/ProbePointPoll.h"
#include "logger/ProbeValueTexts.h"
#include "loggersim/StoredNetIcons.h"

#include <cstdint>
#include <span>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> input = size == 0 ? std::span<const std::uint8_t>{} : std::span(data, size);
    using namespace corvane;

    const auto list = ParseRemoteControlList(input);
    if (std::holds_alternative<ByteError>(list) != (size < kRemoteListHeaderSize))
        __builtin_trap();
    if (const auto* parsed = std::get_if<RemoteControlList>(&list)) {
        if (parsed->records.size() != (size - kRemoteListHeaderSize) / kRemoteRecordSize)
            __builtin_trap();
        for (const RemoteControlRecord& record : parsed->records)
            if (record.name.size() > kRemoteRecordNameSize)
                __builtin_trap();
    }

    const auto descriptors = ParseProbeDescriptors(input);
    const auto values = ParseProbeValues(input);
    if (std::holds_alternative<ByteError>(descriptors) != (size < kProbeHeaderSize)
        || std::holds_alternative<ByteError>(values) != (size < kProbeHeaderSize))
        __builtin_trap();
    if (const auto* parsed = std::get_if<ProbeDescriptorList>(&descriptors)) {
        ProbePointPoll poll([](std::int32_t time) { return std::to_string(time); });
        (void)poll.ValueStep();
        (void)poll.OnDescriptors(*parsed);
        (void)poll.ValueStep();
        bool refreshed = false;
        if (const auto* entries = std::get_if<ProbeValueList>(&values)) {
            (void)poll.OnValues(*entries, refreshed);
            for (const ProbeValueEntry& entry : entries->entries)
                for (std::uint8_t type : {kProbeBoolean, kProbeInteger, kProbeReal})
                    if (ProbeValueText(entry, type, static_cast<std::uint8_t>(entry.value[1])).empty())
                        __builtin_trap();
        }
        if (poll.Probes().size() != parsed->descriptors.size())
            __builtin_trap();
    }

    for (const StoredRemoteIcon& icon : StoredRemoteIcons(input))
        if (icon.name.size() > 21)
            __builtin_trap();
    (void)StoredProbeTags(input);
    return 0;
}
