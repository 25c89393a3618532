#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace corvane {

class CCorvaneDoc;

// A net holds at most one Memory, one Probe and one MQTT icon. For placing
// an icon of that type code into the net: the refusal text when the net
// already holds one of the kind, else nothing (also for other type codes).
std::optional<std::string> CloudIconPlacementRefusal(const CCorvaneDoc& net, std::uint16_t typeCode);

}  // namespace corvane
