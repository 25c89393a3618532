#include "icons/function/RegisterFunctionIcons.h"

#include "icons/function/CAndIcon.h"
#include "icons/function/CComparatorIcon.h"
#include "icons/function/CConstIcon.h"
#include "icons/function/CFlipFlopIcon.h"
#include "icons/function/CLatchIcon.h"
#include "icons/function/CMultiplexIcon.h"
#include "icons/function/CNotIcon.h"
#include "icons/function/COrIcon.h"
#include "icons/function/CSampleRateClockIcon.h"
#include "icons/function/CStopIcon.h"
#include "icons/function/CTnoteIcon.h"
#include "icons/function/CXorIcon.h"
#include "netdoc/IconFactory.h"

#include <memory>

namespace corvane {

void RegisterFunctionIcons(IconFactory& factory)
{
    factory.Register(
        CSampleRateClockIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CSampleRateClockIcon>(); });
    factory.Register(CStopIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CStopIcon>(); });
    factory.Register(CConstIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CConstIcon>(); });
    factory.Register(CMultiplexIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CMultiplexIcon>(); });
    factory.Register(CTnoteIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CTnoteIcon>(); });
    // Gates by the gate code in the mode byte's low three bits.
    factory.Register(CLogicIcon::kTypeCode, [](std::uint16_t subtype) -> std::unique_ptr<CCorvaneIcon> {
        switch (static_cast<CLogicIcon::Gate>(subtype & CLogicIcon::kGateMask)) {
        case CLogicIcon::Gate::And: return std::make_unique<CAndIcon>();
        case CLogicIcon::Gate::Or: return std::make_unique<COrIcon>();
        case CLogicIcon::Gate::Xor: return std::make_unique<CXorIcon>();
        case CLogicIcon::Gate::Not: return std::make_unique<CNotIcon>();
        }
        return nullptr;
    });
    // The latch has bit 0x1000 of its mode word set, the flip-flop not.
    factory.Register(CLatchIcon::kTypeCode, [](std::uint16_t subtype) -> std::unique_ptr<CCorvaneIcon> {
        if ((subtype & CLatchIcon::kLatchBit) != 0)
            return std::make_unique<CLatchIcon>();
        return std::make_unique<CFlipFlopIcon>();
    });
    // Subtype 1: the window comparator (a record with three inputs).
    factory.Register(CComparatorIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CComparatorIcon>(); });
}

}  // namespace corvane
