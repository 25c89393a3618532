// Parses arbitrary bytes as an icon record, without a fixed-part end and
// with one taken from the record's unused byte 33; an accepted record must
// write back and parse again to the same record, as far as the writer
// promises: an unconnected link's source output is written as 0.
#include "netmodel/IconRecord.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <variant>
#include <vector>

namespace {

// A link as the writer writes it.
corvane::InputLink AsWritten(corvane::InputLink link)
{
    if (!link.IsConnected()) {
        link.sourceOutput = 0;
    }
    return link;
}

bool SameAsWritten(const std::vector<corvane::InputLink>& read, const std::vector<corvane::InputLink>& again)
{
    return std::equal(read.begin(), read.end(), again.begin(), again.end(),
        [](const corvane::InputLink& a, const corvane::InputLink& b) { return AsWritten(a) == b; });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> input = size == 0 ? std::span<const std::uint8_t>{} : std::span(data, size);
    std::optional<std::size_t> fixedEnd;
    if (size > 33) {
        fixedEnd = 72 + std::size_t{input[33]};
    }
    for (const std::optional<std::size_t>& end : {std::optional<std::size_t>{}, fixedEnd}) {
        const auto parsed = corvane::ParseIconRecord(input, end);
        const auto* record = std::get_if<corvane::IconRecord>(&parsed);
        if (record == nullptr) {
            continue;
        }
        const auto written = corvane::WriteIconRecord(*record);
        const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&written);
        if (bytes == nullptr) {
            std::abort();
        }
        const auto again = corvane::ParseIconRecord(*bytes, end);
        const auto* second = std::get_if<corvane::IconRecord>(&again);
        if (second == nullptr || !SameAsWritten(record->inputs, second->inputs) || second->outputs != record->outputs
            || second->fixedPart != record->fixedPart || second->header.name != record->header.name) {
            std::abort();
        }
    }
    return 0;
}
