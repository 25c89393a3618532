#include "icons/reporting/RegisterReportingIcons.h"

#include "icons/reporting/CBigMqttIcon.h"
#include "icons/reporting/CBigProbeIcon.h"
#include "icons/reporting/CBigRamIcon.h"
#include "icons/reporting/CDataTagIcon.h"
#include "icons/reporting/CEmailIcon.h"
#include "icons/reporting/CFTPIcon.h"
#include "icons/reporting/CModbusClientIcon.h"
#include "icons/reporting/CModbusServerIcon.h"
#include "netdoc/IconFactory.h"

#include <memory>

namespace corvane {

void RegisterReportingIcons(IconFactory& factory)
{
    factory.Register(CDataTagIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CDataTagIcon>(); });
    factory.Register(CBigRamIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CBigRamIcon>(); });
    factory.Register(CBigProbeIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CBigProbeIcon>(); });
    factory.Register(CBigMqttIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CBigMqttIcon>(); });
    factory.Register(CEmailIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CEmailIcon>(); });
    factory.Register(CFTPIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CFTPIcon>(); });
    factory.Register(CModbusClientIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CModbusClientIcon>(); });
    factory.Register(CModbusServerIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CModbusServerIcon>(); });
}

}  // namespace corvane
