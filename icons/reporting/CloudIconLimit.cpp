#include "icons/reporting/CloudIconLimit.h"

#include "icons/reporting/CBigMqttIcon.h"
#include "icons/reporting/CBigProbeIcon.h"
#include "icons/reporting/CBigRamIcon.h"
#include "netmodel/CCorvaneDoc.h"

#include <algorithm>
#include <string_view>

namespace corvane {
namespace {

std::optional<std::string_view> KindName(std::uint16_t typeCode)
{
    switch (typeCode) {
    case CBigRamIcon::kTypeCode: return "Log memory";
    case CBigProbeIcon::kTypeCode: return "Probe";
    case CBigMqttIcon::kTypeCode: return "MQTT";
    default: return std::nullopt;
    }
}

}  // namespace

std::optional<std::string> CloudIconPlacementRefusal(const CCorvaneDoc& net, std::uint16_t typeCode)
{
    const auto kind = KindName(typeCode);
    if (!kind)
        return std::nullopt;
    const auto& icons = net.Icons();
    if (std::none_of(icons.begin(), icons.end(), [&](const CCorvaneIcon* icon) { return icon->TypeCode() == typeCode; }))
        return std::nullopt;
    return "A program net may contain only one\n" + std::string(*kind) + " icon.";
}

}  // namespace corvane
