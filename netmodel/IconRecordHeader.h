#pragma once

#include "netimage/IconRecordLayout.h"
#include "netmodel/InputLink.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace corvane {

// The header's values. The length and the two counts are derived from the
// record's parts when it is written; name holds Windows-1252 bytes.
struct IconRecordHeader {
    std::uint16_t length = 0;
    std::uint16_t uniqueId = 0;
    std::uint16_t typeWord = 0;
    std::uint16_t x = 0;
    std::uint16_t y = 0;
    std::uint8_t inputCount = 0;
    std::uint8_t outputCount = 0;
    std::string name;
    std::uint16_t warningFlags = 0;
    InputLink trigger;
    InputLink enable;

    std::uint16_t TypeCode() const { return static_cast<std::uint16_t>(typeWord & kIconTypeCodeMask); }
    bool operator==(const IconRecordHeader&) const = default;
};

}  // namespace corvane
