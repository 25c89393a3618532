#include "icons/hardware/RegisterHardwareIcons.h"

#include "icons/hardware/CACEngIcon.h"
#include "icons/hardware/CBattIcon.h"
#include "icons/hardware/CEngAlarmIcon.h"
#include "icons/hardware/CEngLEDIcon.h"
#include "icons/hardware/CExciteIcon.h"
#include "icons/hardware/CGpdiIcon.h"
#include "icons/hardware/COdioIcon.h"
#include "icons/hardware/CPowerManagementIcon.h"
#include "icons/hardware/CQuvEngRelayIcon.h"
#include "icons/hardware/CTCEngIcon.h"
#include "icons/hardware/CTempBaseIcon.h"
#include "icons/hardware/CVHEngIcon.h"
#include "icons/hardware/CVLEngIcon.h"
#include "netdoc/IconFactory.h"

#include <memory>

namespace corvane {

void RegisterHardwareIcons(IconFactory& factory)
{
    factory.Register(CTempBaseIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CTempBaseIcon>(); });
    factory.Register(CBattIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CBattIcon>(); });
    // No placing route or palette cell makes the power-management icon,
    // but a net holding one opens again: the class brings its shape (no
    // special inputs, not deletable).
    factory.Register(
        CPowerManagementIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CPowerManagementIcon>(); },
        IconTypeShape{0, 0, false, false});
    factory.Register(CQuvEngRelayIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CQuvEngRelayIcon>(); });
    // The LED has mode bits 0-1 clear; any other value there is the alarm.
    factory.Register(CEngLEDIcon::kTypeCode, [](std::uint16_t subtype) -> std::unique_ptr<CCorvaneIcon> {
        if ((subtype & CEngLEDIcon::kKindMask) == 0)
            return std::make_unique<CEngLEDIcon>();
        return std::make_unique<CEngAlarmIcon>();
    });
    factory.Register(CGpdiIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CGpdiIcon>(); });
    factory.Register(COdioIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<COdioIcon>(); });
    factory.Register(CExciteIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CExciteIcon>(); });
    // The logger's analog inputs: the preset of the kind the mode word names.
    factory.Register(CEngInputsIcon::kTypeCode, [](std::uint16_t subtype) -> std::unique_ptr<CCorvaneIcon> {
        switch (subtype) {
        case 0: return std::make_unique<CVLEngIcon>();
        case 1: return std::make_unique<CACEngIcon>();
        case 2: return std::make_unique<CTCEngIcon>();
        case 3: return std::make_unique<CVHEngIcon>();
        default: return nullptr;
        }
    });
}

}  // namespace corvane
