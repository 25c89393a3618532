#pragma once

#include "netmodel/IconRecordHeader.h"
#include "netmodel/InputLink.h"
#include "netmodel/OutputEntry.h"
#include "netmodel/RecordError.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <variant>
#include <vector>

namespace corvane {

// One icon's stored record: the header, the class's fixed part (the bytes
// after the header), the input links (select input first when the icon has
// one), the output entries and the class's variable tail. A record on disk
// is these in order plus one zero byte when the sum is odd.
struct IconRecord {
    IconRecordHeader header;
    std::vector<std::uint8_t> fixedPart;
    std::vector<InputLink> inputs;
    std::vector<OutputEntry> outputs;
    std::vector<std::uint8_t> tail;

    bool operator==(const IconRecord&) const = default;
};

// Reads one record from the start of bytes; only the record's stored length
// is read. fixedPartEnd is where the class's fixed part ends, measured from
// the start of the record; without it the links are taken to close the
// record (no tail, no pad byte) and the fixed part takes every byte between
// the header and them, which suits only such classes. Otherwise the
// tail takes every byte after the output entries, a closing pad byte
// included (only the class knows its tail's own length).
std::variant<IconRecord, RecordError> ParseIconRecord(std::span<const std::uint8_t> bytes,
                                                      std::optional<std::size_t> fixedPartEnd = std::nullopt);

// Writes a record in full: the length word and the counts come from the
// parts, unused fields are 0, the name is cut to 20 bytes, an unconnected
// link is written with source output 0, and an odd length gets a pad byte.
// Refuses more than 25 inputs, 24 outputs or a length above 65535.
std::variant<std::vector<std::uint8_t>, RecordError> WriteIconRecord(const IconRecord& record);

// The inputs an icon that drops unconnected inputs writes for compiling:
// the connected ones in their order, then cleared links up to
// minimumCount (never more than there were). With dropOneWhenFirstEmpty the
// count drops by one when the first written input is unconnected, but never
// below zero.
std::vector<InputLink> CompactInputLinks(std::span<const InputLink> inputs, std::size_t minimumCount,
                                         bool dropOneWhenFirstEmpty = false);

}  // namespace corvane
