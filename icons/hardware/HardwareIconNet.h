#pragma once

#include "netmodel/RecordError.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <variant>

namespace corvane {

class CCorvaneIcon;
class CNetDoc;

// What the hardware icons ask of the net around them.

// The net document holding the icon, or null while it is in none.
CNetDoc* NetDocumentOf(const CCorvaneIcon& icon);

// True when the net runs on a battery-powered logger: the Program icon's
// net option byte has its low three bits clear. A net without a Program
// icon asks no battery questions.
bool IsBatteryPoweredNet(const CCorvaneIcon& icon);

// Reads a record through the icon base and, when it loads, takes the
// caption from the record's name.
std::variant<std::size_t, RecordError> LoadNamedRecord(CCorvaneIcon& icon, std::span<const std::uint8_t> record);

}  // namespace corvane
