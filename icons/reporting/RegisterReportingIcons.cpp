#include "icons/reporting/RegisterReportingIcons.h"

#include "icons/reporting/CBigMqttIcon.h"
#include "icons/reporting/CBigProbeIcon.h"
#include "icons/reporting/CBigRamIcon.h"
#include "icons/reporting/CDataTagIcon.h"
#include "netdoc/IconFactory.h"

#include <memory>

namespace corvane {

void RegisterReportingIcons(IconFactory& factory)
{
    factory.Register(CDataTagIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CDataTagIcon>(); });
    factory.Register(CBigRamIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CBigRamIcon>(); });
    factory.Register(CBigProbeIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CBigProbeIcon>(); });
    factory.Register(CBigMqttIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CBigMqttIcon>(); });
}

}  // namespace corvane
