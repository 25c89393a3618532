#pragma once

#include "netmodel/CCorvaneIcon.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace corvane {

// An icon's record as a net file holds it, for reading single fields of
// classes the document knows only by type code; empty when it cannot be
// written.
inline std::vector<std::uint8_t> SavedRecordOf(CCorvaneIcon& icon)
{
    auto stored = icon.StoreRecord(TransferMode::Save);
    if (auto* bytes = std::get_if<std::vector<std::uint8_t>>(&stored))
        return std::move(*bytes);
    return {};
}

// Little-endian fields of a record; nothing when the record is too short.
inline std::optional<std::uint16_t> RecordU16(std::span<const std::uint8_t> record, std::size_t offset)
{
    if (offset > record.size() || record.size() - offset < 2)
        return std::nullopt;
    return static_cast<std::uint16_t>(record[offset] | (record[offset + 1] << 8));
}

inline std::optional<std::uint32_t> RecordU32(std::span<const std::uint8_t> record, std::size_t offset)
{
    if (offset > record.size() || record.size() - offset < 4)
        return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;)
        value = (value << 8) | record[offset + i];
    return value;
}

inline std::optional<std::uint8_t> RecordU8(std::span<const std::uint8_t> record, std::size_t offset)
{
    if (offset >= record.size())
        return std::nullopt;
    return record[offset];
}

}  // namespace corvane
