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
#include "icons/hardware/CVEXA25VoltIcon.h"
#include "icons/hardware/CVEXA2EventCountTTLIcon.h"
#include "icons/hardware/CVEXA2FreqInIcon.h"
#include "icons/hardware/CVEXA2FreqOutIcon.h"
#include "icons/hardware/CVHEngIcon.h"
#include "icons/hardware/CVLEngIcon.h"
#include "icons/hardware/CVXM_7inputsIcon.h"
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
    // The analog module's channels load as the plain class; the picture
    // follows from the mode word's kind bits.
    factory.Register(CVXM_7inputsIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CVXM_7inputsIcon>(); });
    // The digital I/O module's channels: the class by the channel word's kind.
    factory.Register(CVEXA_2Icon::kTypeCode, [](std::uint16_t kind) -> std::unique_ptr<CCorvaneIcon> {
        switch (kind & CVEXA_2Icon::kKindMask) {
        case CVEXA_2Icon::kKindEventIn:
        case CVEXA_2Icon::kKindEventOut:
        case CVEXA_2Icon::kKindCounterIn: return std::make_unique<CVEXA2EventCountTTLIcon>();
        case CVEXA_2Icon::kKindFrequencyIn: return std::make_unique<CVEXA2FreqInIcon>();
        case CVEXA_2Icon::kKindFrequencyOut:
        case CVEXA_2Icon::kKindOpenCollectorOut: return std::make_unique<CVEXA2FreqOutIcon>();
        case CVEXA_2Icon::kKindFiveVoltOut: return std::make_unique<CVEXA25VoltIcon>();
        default: return nullptr;
        }
    });
}

}  // namespace corvane
